#pragma once

#include <cstdint>

#include "functions/MathEngine.h"
#include "ui/FrontEnd.h"

namespace tesselon {

// The memory bound of a key, checked before it runs: a key whose result
// would not fit in the memory the process can still get answers the message
// at once instead of running until an allocation fails.

// The digits the key's result may reach, from the lengths of its operands:
// the sum of the lengths for a product, the exponent times the length for a
// power, n log n for X !, 0 for the keys that make nothing much longer than
// their operands.
double ResultDigits(FrontEnd::KeyHandler press, const MathEngine& e);

// The bytes the process can still allocate: the least of the machine's
// available memory, the address-space and data limits and the control
// group's limit.
uint64_t AvailableBytes();

// False when a result of `digits` digits, with the copies the window and
// the snapshot of the registers keep of it, cannot fit in `available` bytes.
bool FitsInMemory(double digits, uint64_t available);

// ResultDigits against AvailableBytes; the available memory is only read
// for results that are long.
bool KeyFitsInMemory(FrontEnd::KeyHandler press, const MathEngine& e);

}  // namespace tesselon
