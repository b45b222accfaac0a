#pragma once

namespace virdo {

// Whether a screen reader already speaks on this desktop (AT-SPI's ScreenReaderEnabled),
// asked on the session bus with a short patience: a bus that does not answer counts as no.
// Waits on the bus: to be called on the speech thread only.
bool screenReaderRuns();

} // namespace virdo
