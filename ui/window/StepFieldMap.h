#pragma once
// The fields of a step record (the core's stepFields()), named for the hex
// view's tooltip.

#include "ui/hexview/HexFieldMap.h"

#include <cstddef>

// TEST_ID, TEST_ARG, P1 to P16, POST_ACTION, the three links and ERROR_CODE
// at `errorCodeOffset` (the layout's own: errorCodeOffset(layout)); not the
// log area, which holds ERROR_CODE and would hide it. Links, TEST_ARG,
// the test id and the error code show their decimal value too; the parameter
// words and POST_ACTION only their hex value.
HexFieldMap stepFieldMap(std::size_t errorCodeOffset);
