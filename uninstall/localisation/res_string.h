#pragma once
// Localised string-table texts. The result lives in a ring of eight buffers
// of 256 bytes: valid until eight further calls.
const char* ResString(int id);
