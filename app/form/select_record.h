#pragma once
#include <string>

#include "app/form/form.h"

// The record's row, found by its address as the list spells it (ASCII case aside), made
// the selection and scrolled into view with the row after it. False when no row has it.
bool select_record_row(FormView& view, const std::string& address);
