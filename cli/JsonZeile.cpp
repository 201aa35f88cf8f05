#include "JsonZeile.h"

#include <cstdio>

namespace brenvik::cli {

namespace {
class Leser {
public:
    explicit Leser(std::string_view s) : s_(s) {}

    void leer() {
        while (i_ < s_.size() &&
               (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\r' || s_[i_] == '\n'))
            ++i_;
    }
    bool zeichen(char c) {
        leer();
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool ende() {
        leer();
        return i_ == s_.size();
    }
    char naechstes() {
        leer();
        return i_ < s_.size() ? s_[i_] : '\0';
    }
    std::size_t pos() const { return i_; }

    bool text(std::string& out, std::string& fehler) {
        if (!zeichen('"')) return (fehler = "Zeichenkette erwartet", false);
        out.clear();
        while (i_ < s_.size()) {
            char c = s_[i_++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return (fehler = "Steuerzeichen in Zeichenkette", false);
            if (c != '\\') {
                out += c;
                continue;
            }
            if (i_ >= s_.size()) break;
            char e = s_[i_++];
            switch (e) {
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case '/':
                out += '/';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                if (i_ + 4 > s_.size()) return (fehler = "unvollstaendiges \\u", false);
                unsigned cp = 0;
                for (int k = 0; k < 4; ++k) {
                    char h = s_[i_++];
                    cp <<= 4;
                    if (h >= '0' && h <= '9')
                        cp |= unsigned(h - '0');
                    else if (h >= 'a' && h <= 'f')
                        cp |= unsigned(h - 'a' + 10);
                    else if (h >= 'A' && h <= 'F')
                        cp |= unsigned(h - 'A' + 10);
                    else
                        return (fehler = "ungueltiges \\u", false);
                }
                // Encode as UTF-8 (surrogate pairs are not needed for field texts).
                if (cp < 0x80) {
                    out += char(cp);
                } else if (cp < 0x800) {
                    out += char(0xC0 | (cp >> 6));
                    out += char(0x80 | (cp & 0x3F));
                } else {
                    out += char(0xE0 | (cp >> 12));
                    out += char(0x80 | ((cp >> 6) & 0x3F));
                    out += char(0x80 | (cp & 0x3F));
                }
                break;
            }
            default:
                return (fehler = "ungueltige Escape-Folge", false);
            }
        }
        fehler = "Zeichenkette nicht abgeschlossen";
        return false;
    }

    // A JSON number: -?digits[.digits][e[+-]digits]
    bool zahl(std::string& out) {
        leer();
        std::size_t start = i_;
        if (i_ < s_.size() && s_[i_] == '-') ++i_;
        std::size_t ziffern = i_;
        while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
            ++i_;
        if (i_ == ziffern) return false;
        if (i_ < s_.size() && s_[i_] == '.') {
            ++i_;
            std::size_t nk = i_;
            while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
                ++i_;
            if (i_ == nk) return false;
        }
        if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
            ++i_;
            if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
            std::size_t ex = i_;
            while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
                ++i_;
            if (i_ == ex) return false;
        }
        out.assign(s_.substr(start, i_ - start));
        return true;
    }

    bool wort(std::string_view w) {
        leer();
        if (s_.substr(i_, w.size()) == w) {
            i_ += w.size();
            return true;
        }
        return false;
    }

private:
    std::string_view s_;
    std::size_t i_ = 0;
};
} // namespace

bool leseJsonObjekt(std::string_view zeile, std::vector<JsonWert>& werte, std::string& fehler) {
    werte.clear();
    Leser l(zeile);
    if (!l.zeichen('{')) return (fehler = "JSON-Objekt erwartet", false);
    if (!l.zeichen('}')) {
        do {
            JsonWert w;
            if (!l.text(w.schluessel, fehler)) return false;
            if (!l.zeichen(':'))
                return (fehler = "':' erwartet nach \"" + w.schluessel + "\"", false);
            std::size_t start = l.pos();
            char c = l.naechstes();
            if (c == '"') {
                if (!l.text(w.text, fehler)) return false;
                w.istText = true;
            } else if (c == '-' || (c >= '0' && c <= '9')) {
                if (!l.zahl(w.text))
                    return (fehler = "ungueltige Zahl bei \"" + w.schluessel + "\"", false);
                w.istZahl = true;
            } else if (l.wort("true") || l.wort("false") || l.wort("null")) {
            } else {
                return (fehler = "Wert von \"" + w.schluessel + "\" ist weder Zahl noch Text",
                        false);
            }
            w.roh.assign(zeile.substr(start, l.pos() - start));
            while (!w.roh.empty() && (w.roh.front() == ' ' || w.roh.front() == '\t'))
                w.roh.erase(0, 1);
            werte.push_back(std::move(w));
        } while (l.zeichen(','));
        if (!l.zeichen('}')) return (fehler = "',' oder '}' erwartet", false);
    }
    if (!l.ende()) return (fehler = "Text nach dem JSON-Objekt", false);
    return true;
}

std::string jsonText(std::string_view s) {
    std::string out = "\"";
    for (char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

} // namespace brenvik::cli
