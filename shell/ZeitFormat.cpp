#include "ZeitFormat.h"

#include <cctype>
#include <chrono>
#include <ctime>

namespace brenvik {

Zeitpunkt JetztLokal() {
    using namespace std::chrono;
    const auto jetzt = system_clock::now();
    const std::time_t t = system_clock::to_time_t(jetzt);
    std::tm tm{};
    localtime_r(&t, &tm);
    Zeitpunkt z;
    z.jahr = tm.tm_year + 1900;
    z.monat = tm.tm_mon + 1;
    z.tag = tm.tm_mday;
    z.stunde = tm.tm_hour;
    z.minute = tm.tm_min;
    z.sekunde = tm.tm_sec;
    z.milli = int(duration_cast<milliseconds>(jetzt.time_since_epoch()).count() % 1000);
    return z;
}

namespace {
std::string zahl(int wert, int stellen) {
    std::string s = std::to_string(wert);
    while (int(s.size()) < stellen)
        s.insert(s.begin(), '0');
    return s;
}
} // namespace

std::string FormatDateTime(std::string_view f, const Zeitpunkt& z) {
    std::string r;
    bool nachStunde = false;
    for (size_t i = 0; i < f.size();) {
        const char c = f[i];
        if (c == '"' || c == '\'') {
            const size_t ende = f.find(c, i + 1);
            const size_t bis = ende == std::string_view::npos ? f.size() : ende;
            r.append(f.substr(i + 1, bis - i - 1));
            i = bis == f.size() ? bis : bis + 1;
            continue;
        }
        const char k = char(std::tolower(static_cast<unsigned char>(c)));
        size_t n = 1;
        while (i + n < f.size() && std::tolower(static_cast<unsigned char>(f[i + n])) == k)
            ++n;
        switch (k) {
        case 'd':
            r += n >= 2 ? zahl(z.tag, 2) : zahl(z.tag, 1);
            break;
        case 'm':
            if (nachStunde)
                r += n >= 2 ? zahl(z.minute, 2) : zahl(z.minute, 1);
            else
                r += n >= 2 ? zahl(z.monat, 2) : zahl(z.monat, 1);
            break;
        case 'y':
            r += n >= 3 ? zahl(z.jahr, 4) : zahl(z.jahr % 100, 2);
            break;
        case 'h':
            r += n >= 2 ? zahl(z.stunde, 2) : zahl(z.stunde, 1);
            break;
        case 'n':
            r += n >= 2 ? zahl(z.minute, 2) : zahl(z.minute, 1);
            break;
        case 's':
            r += n >= 2 ? zahl(z.sekunde, 2) : zahl(z.sekunde, 1);
            break;
        case 'z':
            r += n >= 3 ? zahl(z.milli, 3) : zahl(z.milli, 1);
            break;
        default:
            r.append(f.substr(i, n));
            break;
        }
        if (k == 'h')
            nachStunde = true;
        else if (k == 'd' || k == 'm' || k == 'y' || k == 'n' || k == 's' || k == 'z')
            nachStunde = false;
        i += n;
    }
    return r;
}

} // namespace brenvik
