#pragma once
// The calendar: the lengths of the months (state/month_length.h). The words
// of a date are time texts (state/time_text.h).

#include "state/month_length.h"
