#pragma once
// Reads one flat JSON object (one line of JSON Lines) without converting
// numbers, so that decimal values keep their exact text.

#include <string>
#include <string_view>
#include <vector>

namespace brenvik::cli {

struct JsonWert {
    std::string schluessel;
    std::string text;     // number text, or the decoded string
    std::string roh;      // the value as it stood in the line (for echoing ids)
    bool istText = false; // a JSON string
    bool istZahl = false; // a JSON number
};

// Parses `{"key": value, ...}`; values may be numbers, strings, true, false
// or null. Returns false with a message for anything else (nested values too).
bool leseJsonObjekt(std::string_view zeile, std::vector<JsonWert>& werte, std::string& fehler);

// JSON string literal for `s`, with quotes.
std::string jsonText(std::string_view s);

} // namespace brenvik::cli
