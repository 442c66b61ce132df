#pragma once
// The calendar: the new day and the month's roll-over (clock/phases.h). The
// lengths of the months are state/month_days.h, the words of a date time
// texts (state/time_text.h).

#include "state/month_days.h"
