#include "lists/list_cells.h"

#include "core/units/conversions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

bool Digit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t Digits(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && Digit(text[end]))
        ++end;
    return end - from;
}

// The number at the start of text in one convention, or false. On success number holds
// it for strtod (no grouping, '.' as the mark) and end points past it.
bool ScanNumber(std::string_view text, DecimalMark mark, std::string& number, std::size_t& end, bool& plain) {
    const char decimal = mark == DecimalMark::Comma ? ',' : '.';
    const char group = mark == DecimalMark::Comma ? '.' : ',';
    number.clear();
    plain = true;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        number += text[i++];
    std::size_t digits = Digits(text, i);
    number.append(text.substr(i, digits));
    const bool leadingZero = digits > 0 && text[i] == '0';
    i += digits;
    bool grouped = false;
    if (i < text.size() && text[i] == group) {
        // grouping: a first group of one to three digits, never led by a zero, then threes
        if (digits == 0 || digits > 3 || leadingZero)
            return false;
        while (i < text.size() && text[i] == group) {
            if (Digits(text, i + 1) != 3)
                return false;
            number.append(text.substr(i + 1, 3));
            i += 4;
            digits += 3;
        }
        grouped = true;
        plain = false;
    }
    if (i < text.size() && text[i] == decimal) {
        ++i;
        const std::size_t fraction = Digits(text, i);
        number += '.';
        number.append(text.substr(i, fraction));
        i += fraction;
        digits += fraction;
    }
    if (digits == 0)
        return false;
    if (!grouped && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < text.size() && (text[k] == '-' || text[k] == '+'))
            ++k;
        if (const std::size_t exponent = Digits(text, k); exponent > 0) {
            number.append(text.substr(i, k + exponent - i));
            i = k + exponent;
            plain = false;
        }
    }
    // what follows is a unit: a sign, a digit or a mark there means the number is misread
    std::size_t rest = i;
    while (rest < text.size() && (text[rest] == ' ' || text[rest] == '\t'))
        ++rest;
    if (rest < text.size()) {
        const char c = text[rest];
        if (Digit(c) || c == '.' || c == ',' || c == '-' || c == '+')
            return false;
        plain = false;
    }
    end = i;
    return true;
}

bool ReadWith(std::string_view text, DecimalMark mark, CellNumber& cell) {
    std::string number;
    std::size_t end = 0;
    if (!ScanNumber(text, mark, number, end, cell.plain))
        return false;
    cell.value = std::strtod(number.c_str(), nullptr);
    cell.unit = TrimmedCell(text.substr(end));
    return true;
}

DecimalMark Other(DecimalMark mark) {
    return mark == DecimalMark::Comma ? DecimalMark::Point : DecimalMark::Comma;
}

// A unit as it is compared: lower case, without blanks.
std::string UnitKey(std::string_view unit) {
    std::string key;
    for (char c : unit) {
        if (c == ' ' || c == '\t')
            continue;
        key += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}

} // namespace

const char* MarkName(DecimalMark mark) {
    return mark == DecimalMark::Comma ? "decimal comma" : "decimal point";
}

std::string TrimmedCell(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

CellNumber ReadListNumber(std::string_view text, DecimalMark mark) {
    CellNumber cell;
    const std::string trimmed = TrimmedCell(text);
    if (trimmed.empty()) {
        cell.fault = NumberFault::Empty;
        return cell;
    }
    if (!ReadWith(trimmed, mark, cell)) {
        // a number in the other convention, or digits that use this list's grouping mark
        // where no grouping can stand ("1,45.0" with a decimal comma)
        CellNumber other;
        const char group = mark == DecimalMark::Comma ? '.' : ',';
        const bool misread = ReadWith(trimmed, Other(mark), other) ||
                             (Digits(trimmed, trimmed[0] == '-' || trimmed[0] == '+') > 0 &&
                              trimmed.find(group) != std::string::npos);
        cell.fault = misread ? NumberFault::OtherMark : NumberFault::NotNumber;
        return cell;
    }
    // as a screen's field holds it: single precision
    if (!std::isfinite(static_cast<float>(cell.value)))
        cell.fault = NumberFault::NotFinite;
    return cell;
}

bool ParseListNumber(std::string_view text, DecimalMark mark, double& value) {
    const CellNumber cell = ReadListNumber(text, mark);
    if (cell.fault != NumberFault::None || !cell.unit.empty())
        return false;
    value = cell.value;
    return true;
}

bool ParseListNumber(std::string_view text, DecimalMark mark, float& value) {
    double read = 0;
    if (!ParseListNumber(text, mark, read))
        return false;
    value = static_cast<float>(read);
    return true;
}

MarkShown MarkOfCell(std::string_view text) {
    const std::string trimmed = TrimmedCell(text);
    CellNumber point, comma;
    const bool byPoint = ReadWith(trimmed, DecimalMark::Point, point);
    const bool byComma = ReadWith(trimmed, DecimalMark::Comma, comma);
    if (byPoint && byComma)
        return point.value == comma.value ? MarkShown::None : MarkShown::Either;
    if (byPoint)
        return MarkShown::Point;
    return byComma ? MarkShown::Comma : MarkShown::None;
}

bool ReadUnit(std::string_view unit, Quantity quantity, bool& imperial) {
    // the middle dot of "N·m" and "lbf·in" in UTF-8
    static const std::vector<std::string_view> metricTorque = {"nm", "n.m", "n-m", "n*m", "n\xc2\xb7m"};
    static const std::vector<std::string_view> imperialTorque = {
        "in.lb", "inlb", "in-lb", "in.lbs", "inlbs", "in.lbf", "inlbf", "in-lbf", "in\xc2\xb7lb", "in\xc2\xb7lbf",
        "lb.in", "lbin", "lb-in", "lbf.in", "lbfin", "lbf-in", "lbf\xc2\xb7in", "lb\xc2\xb7in"};
    // gauge pressure is what a supply pressure is; an absolute one would need the ambient
    static const std::vector<std::string_view> metricPressure = {"bar", "barg", "bar(g)", "bar(\xc3\xbc)"};
    static const std::vector<std::string_view> imperialPressure = {"psi", "psig", "psi(g)"};
    const std::string key = UnitKey(unit);
    if (quantity == Quantity::Time) {
        static const std::vector<std::string_view> seconds = {"s",        "sec",      "secs",    "second",
                                                              "seconds",  "seconde",  "seconden", "sek",
                                                              "sekunde",  "sekunden", "secondes"};
        imperial = false;
        return std::find(seconds.begin(), seconds.end(), key) != seconds.end();
    }
    const auto& metric = quantity == Quantity::Torque ? metricTorque : metricPressure;
    const auto& other = quantity == Quantity::Torque ? imperialTorque : imperialPressure;
    for (std::string_view name : metric)
        if (key == name) {
            imperial = false;
            return true;
        }
    for (std::string_view name : other)
        if (key == name) {
            imperial = true;
            return true;
        }
    return false;
}

const char* UnitChoices(Quantity quantity) {
    return quantity == Quantity::Torque ? "Nm or in.lb" : quantity == Quantity::Time ? "s" : "bar or psi";
}

float ToListUnits(float value, Quantity quantity, bool fromImperial, bool listImperial) {
    if (fromImperial == listImperial || quantity == Quantity::Time)
        return value;
    if (quantity == Quantity::Torque)
        return listImperial ? NmToInLb(value) : InLbToNm(value);
    return listImperial ? BarToPsi(value) : PsiToBar(value);
}

std::string WordKey(std::string_view text) {
    // U+00C0 to U+00FF, the letters of Latin-1, without their accents; "" drops the sign
    static const std::array<const char*, 64> latin1 = {
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
        "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
        "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};
    std::string key;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c >= 'A' && c <= 'Z')
                key += static_cast<char>(c - 'A' + 'a');
            else if ((c >= 'a' && c <= 'z') || Digit(static_cast<char>(c)))
                key += static_cast<char>(c);
            continue;
        }
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c == 0xC3 && next >= 0x80 && next <= 0xBF) {
            key += latin1[next - 0x80];
            ++i;
        } else if (c == 0xC2 && next >= 0xA0 && next <= 0xBF) {
            if (next == 0xB5) // the micro sign is a letter
                key += "\xc2\xb5";
            ++i;
        } else if (c == 0xC5 && (next == 0x92 || next == 0x93)) {
            key += "oe";
            ++i;
        } else if (c == 0xC5 && next == 0xB8) {
            key += "y";
            ++i;
        } else {
            key += static_cast<char>(c);
        }
    }
    return key;
}

int ValveTypeFromText(const std::string& text) {
    static const std::array<std::vector<const char*>, 3> names = {{
        {"Ball", "Ball Valve", "Kogel", "Kogelkraan", "Kugel", "Kugelhahn", "Bille", "Vanne \xc3\xa0 bille"},
        {"Butterfly", "Butterfly Valve", "Vlinder", "Vlinderklep", "Klappe", "Absperrklappe", "Papillon",
         "Vanne papillon"},
        {"Plug", "Plug Valve", "Plugkraan", "K\xc3\xbc" "ken", "K\xc3\xbc" "kenhahn", "Boisseau",
         "Vanne \xc3\xa0 boisseau"},
    }};
    const std::string wanted = WordKey(text);
    if (wanted.empty())
        return -1;
    for (std::size_t type = 0; type < names.size(); ++type)
        for (const char* name : names[type])
            if (WordKey(name) == wanted)
                return static_cast<int>(type);
    return -1;
}

const char* ValveTypeName(int type) {
    static const char* const names[] = {"Ball", "Butterfly", "Plug"};
    return type >= 0 && type < 3 ? names[type] : "";
}

ListAction ActionFromText(const std::string& text) {
    // DA, FC, FO and the programs' own words for them in the four languages
    static const std::array<std::pair<ListAction, std::vector<const char*>>, 3> names = {{
        {ListAction::DoubleActing, {"DA", "Double Acting", "Dubbelwerkend", "Doppeltwirkend", "Double effet"}},
        {ListAction::FailClose,
         {"FC", "Fail Close", "Fail Closed", "Veersluitend", "Federschlie\xc3\x9f" "end", "ZU",
          "Fermeture par manque d'air", "FMA"}},
        {ListAction::FailOpen,
         {"FO", "Fail Open", "Fail Opened", "Veeropenend", "Feder\xc3\xb6" "ffnend", "AUF",
          "Ouverture par manque d'air", "OMA"}},
    }};
    const std::string wanted = WordKey(text);
    if (wanted.empty())
        return ListAction::None;
    for (const auto& [action, words] : names)
        for (const char* word : words)
            if (WordKey(word) == wanted)
                return action;
    return ListAction::Unknown;
}
