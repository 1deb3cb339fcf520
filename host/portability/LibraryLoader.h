// Internal link between the component registry and the library loader:
// a registry shutdown also forgets which libraries were entered.
#pragma once

namespace CitP::detail {

/// Forgets the libraries entered so far, so a later load enters them again
/// and registers their factories afresh. The libraries stay mapped.
__attribute__((visibility("hidden"))) void ForgetEnteredLibraries();

}  // namespace CitP::detail
