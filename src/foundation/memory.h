#pragma once

namespace tirta {

/// Lets the C library give a large block back to the system as soon as it is freed. A result of
/// the whole Bible passes through several buffers of megabytes; after the first such block is
/// freed, glibc would otherwise serve later ones from its heap and keep their pages for good.
/// Called once, at the start of the program.
void returnLargeBlocksToSystem();

} // namespace tirta
