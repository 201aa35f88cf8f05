#pragma once
// Date-time formats of the settings files ("- DD.mm.yyyy hh.nn.ss.zzz -"):
// d/dd day, m/mm month (minutes right after an hour), yy/yyyy year,
// h/hh hour, n/nn minutes, s/ss seconds, z/zzz milliseconds, letters in any
// case; text in quotes and every other character stand for themselves.

#include <string>
#include <string_view>

namespace brenvik {

struct Zeitpunkt {
    int jahr = 1899, monat = 12, tag = 30, stunde = 0, minute = 0, sekunde = 0, milli = 0;
};

Zeitpunkt JetztLokal();
std::string FormatDateTime(std::string_view format, const Zeitpunkt& z);

} // namespace brenvik
