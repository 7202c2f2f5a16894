// The table of areas. A new area is its file in sim/answers/, its part of
// NotebookState (sim/notebook_state.h), and its line here with its declaration.
#include "sim/answers/area.h"
#include "sim/chaos.h"

namespace tlw::sim {

extern const Area kShellArea;
extern const Area kInfoArea;
extern const Area kDisplayArea;
extern const Area kPasswordArea;
extern const Area kIdentityArea;
extern const Area kBootArea;

const Area* const kAreas[] = {
    &kShellArea,
    &kInfoArea,
    &kDisplayArea,
    &kPasswordArea,
    &kIdentityArea,
    &kBootArea,
};
const std::size_t kAreaCount = sizeof kAreas / sizeof kAreas[0];

void VisitKeys(StateKeys& keys, NotebookState& state) {
    for (std::size_t i = 0; i < kAreaCount; ++i) kAreas[i]->keys(keys, state);
    ChaosKeys(keys, state);
}

void LoadSetupDefaults(NotebookState& state) {
    for (std::size_t i = 0; i < kAreaCount; ++i) kAreas[i]->loadSetupDefaults(state);
}

}  // namespace tlw::sim
