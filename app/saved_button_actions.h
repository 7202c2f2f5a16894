// The lid, power-button and sleep-button actions kept in the registry.
#pragma once

// Hands each saved action to the BIOS, in the order lid, power, sleep. A
// missing key or value, or one of another type or size, leaves that button
// as it is.
void ApplySavedButtonActions();
