#pragma once
// One wage-tax case of the command-line tool: inputs by flowchart name,
// checked against each field's width and meaning, run through the module
// that the payroll dispatch selects (or a named one).

#include <string>
#include <string_view>
#include <vector>

namespace brenvik::cli {

struct LstFall {
    int jahr = 0; // 0: from the module name, else 2024
    int monat = 0;
    std::string modul;                                       // empty: the payroll dispatch decides
    std::vector<std::pair<std::string, std::string>> felder; // name, value text
};

// Runs the case on a fresh record. On success `json` receives the members of
// the result object (without braces, e.g. "\"modul\":\"LStPap24\",\"BK\":0,...");
// on failure `fehler` names the field or the reason and nothing is computed.
bool rechneLstFall(const LstFall& fall, std::string& json, std::string& fehler);

// Reads an integer option value such as the year; false if it is not one.
bool leseGanzzahl(std::string_view text, long long& wert);

} // namespace brenvik::cli
