#pragma once
// The least an export can do, in plain C: read the file once, turn each pair of neighbouring
// units into a byte, write the length and the bytes. It knows only well-formed files (two
// hexadecimal digits per unit, nothing that ends the chain early) and no progress, no
// checks, no durable replace: the floor the real export is measured against.

// 0 when done; -1 when a file could not be read or written.
int reference_export(const char* source, const char* target);
