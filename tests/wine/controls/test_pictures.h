// Resource ids of the picture control tests' own bitmaps.
#pragma once

#define IDB_TEST_IMAGE 9001
#define IDB_TEST_MASK 9002
#define IDB_TEST_TRUE_COLOUR 9003
#define IDB_TEST_LARGE_MASK 9004
