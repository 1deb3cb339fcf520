// Initialiser objects that make the host services ready before a unit's
// statics use them. Our services initialise themselves on first use, so
// these carry no work; units declare them where the host expects them.
#pragma once

namespace Port {
struct FileInit {};
struct PathListInit {};
}  // namespace Port

namespace CitP {
struct InstanceTableInit {};
struct FactoryInit {};
}  // namespace CitP
