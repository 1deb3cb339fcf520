// Count of live components (constructed minus destroyed). Tests read it to
// prove that no reference leaked; the host never sees it.
#pragma once

namespace ZorE {
int LiveComponents();
void NoteComponentConstructed();
void NoteComponentDestroyed();
}  // namespace ZorE
