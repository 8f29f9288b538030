// What a valve list's cells mean: numbers in the list's own convention, with thousands
// grouping and a unit where a cell carries one, and the words of the Action and Valve
// type columns. A cell that cannot be read as meant is refused with the reason; nothing
// here guesses.
#pragma once

#include <string>
#include <string_view>

enum class DecimalMark { Point, Comma };

// "decimal point" or "decimal comma", as messages name a mark.
const char* MarkName(DecimalMark mark);

enum class NumberFault {
    None,
    Empty,
    NotNumber, // not a number in either convention
    OtherMark, // a number only with the other decimal mark: "12.5" in a decimal-comma list
    NotFinite, // beyond single precision
};

struct CellNumber {
    double value = 0;
    std::string unit; // what follows the number, blanks trimmed; empty when nothing does
    // Digits with at most a sign and the decimal mark: the cell reads the same wherever
    // a number field of the programs would take it.
    bool plain = false;
    NumberFault fault = NumberFault::None;
};

// A cell as a number in a list whose decimal mark is mark; the other mark groups thousands
// ("1.450,5" with a decimal comma, "1,450.5" with a point: the first group of one to three
// digits, then groups of three). An exponent is allowed without grouping. Text after the
// number is its unit; it must start with a letter or a sign such as '°' after the number.
CellNumber ReadListNumber(std::string_view text, DecimalMark mark);

// A cell that is a number without a unit; false for anything else.
bool ParseListNumber(std::string_view text, DecimalMark mark, double& value);
bool ParseListNumber(std::string_view text, DecimalMark mark, float& value);

// Which decimal mark a cell shows: Point or Comma when only that mark reads it, Either when
// both read it as different numbers ("1.450"), None when both read it alike or neither does.
enum class MarkShown { None, Point, Comma, Either };
MarkShown MarkOfCell(std::string_view text);

// The quantities a list's cells may carry a unit for.
enum class Quantity { Torque, Pressure, Time };

// Whether unit names the quantity in metric (Nm, bar) or imperial (in.lb, psi) units, any
// case and blanks ignored. False for any other unit. A time is in seconds in both.
bool ReadUnit(std::string_view unit, Quantity quantity, bool& imperial);
// The units a message offers for a quantity: "Nm or in.lb", "bar or psi".
const char* UnitChoices(Quantity quantity);

// A value in the unit system given (imperial or metric) in the list's units, with the
// programs' own conversions.
float ToListUnits(float value, Quantity quantity, bool fromImperial, bool listImperial);

// The valve type named in a list, in any of the four languages ("Ball", "Kugelhahn",
// "Vanne papillon" ...), without regard to case: 0 ball, 1 butterfly, 2 plug, -1 unknown.
int ValveTypeFromText(const std::string& text);
// The English name a list's output gives a valve type: "Ball", "Butterfly", "Plug".
const char* ValveTypeName(int type);

// The fail action of a row: DA, FC or FO, also as the programs' own words in the four
// languages ("Fail Close", "Federrückstellung schließend" ...). Empty is None.
enum class ListAction { None, DoubleActing, FailClose, FailOpen, Unknown };
ListAction ActionFromText(const std::string& text);

// Blanks (space, tab, CR, LF) cut from both ends.
std::string TrimmedCell(std::string_view text);

// A word as lists are matched by it: its letters and digits only, in lower case, with the
// accents of the four languages dropped ("Sich.-Stellung" and "sich stellung" alike;
// "Größe" gives "grosse", "Sécurité" "securite"). Other characters stay as they are.
std::string WordKey(std::string_view text);
