// Reading numbers from box texts and writing them back, without any GUI.
//
// Every text the program reads or writes uses "." as the decimal point,
// whatever the user's locale says.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvil {

// Strict reading: the whole text must be one number: optional blanks, an
// optional sign, digits with at most one "." (at least one digit), an
// optional exponent ("E" or "e", optional sign, digits), optional blanks.
// Only what this grammar accepts is converted, so "inf", "nan", "0x10" and
// texts that overflow to infinity give no number.
std::optional<double> readStrict(std::string_view text);

// Lenient reading: skip leading blanks and read the longest beginning that
// forms a number by the same grammar; no digit read gives 0. Never fails.
// A number too large for a double reads as +-infinity, here and in
// readLeadingNumber: a press refuses it first (leadingFault says TooLarge),
// and any other reader checks the value (finiteValue, toSingle).
double readLenient(std::string_view text);

// The number lenient reading finds at the beginning of the text, or no
// number when the text begins with none (where lenient reading gives 0).
// For windows that read leniently but must tell a typed 0 from no input.
std::optional<double> readLeadingNumber(std::string_view text);

// Why a text gives no number, for a press that must say why it cannot use
// a box. A decimal comma ("1,5") is told apart from other unreadable text:
// it is never taken as the end of a number.
enum class ReadFault {
    None,          // the text gives a number
    Empty,         // nothing but blanks
    NotANumber,    // letters, a lone sign or point, text after the number
    DecimalComma,  // a "," where the decimal point belongs
    TooLarge,      // a number beyond the double range ("1e400")
};

// The fault of strict reading: None exactly when readStrict gives a number.
ReadFault strictFault(std::string_view text);
// The fault of reading the leading number: None exactly when
// readLeadingNumber gives a finite number that no "," follows.
ReadFault leadingFault(std::string_view text);

// The value, when it is finite: a result that is not finite is never shown.
std::optional<double> finiteValue(double v);

// The value in single precision, for the calculations that hold their
// numbers in single precision; no value when it is not finite or lies beyond
// the single range (narrowing such a value is undefined behaviour).
std::optional<float> toSingle(double v);

// Narrows the values of a calculation that holds its numbers in single
// precision, one by one (toSingle), and remembers whether one did not fit;
// 0 stands in for such a value, and the calculation then gives no result.
class SingleValues {
public:
    float operator()(double v) {
        const std::optional<float> f = toSingle(v);
        if (!f) fit_ = false;
        return f.value_or(0.0f);
    }
    // Whether every value so far fitted.
    bool fit() const { return fit_; }

private:
    bool fit_ = true;
};

// Plain number text: at most 15 significant digits (7 for a single-precision
// value), "-" before a negative value, "0" before the point below 1, no
// trailing zeros, no point for a whole number. Magnitudes of 1E+15 and above
// or below 1E-05 use the exponent form ("1.5E+20", "2E-07").
// A value that is not finite gives the empty text; never write one.
std::string plainText(double v);
std::string plainTextSingle(float v);

// Sign-blank number text: as plain text, but a non-negative value begins with
// one blank and a magnitude below 1 has no "0" before the point
// (" 25.4", " 0", " .254", "-.5").
std::string signedText(double v);
std::string signedTextSingle(float v);

// The six patterns of the self-formatting box.
enum class Pattern {
    Fixed3,  // "0.000"
    Fixed4,  // "0.0000"
    Fixed2,  // "0.00"
    Fixed1,  // "0.0"
    Fixed0,  // "0"
    Hash3,   // "#.000": no digit before the point when the whole part is 0
};

// The value in the pattern. The value's decimal text (15 significant digits)
// is rounded to the pattern's decimals, halves away from zero, so 2.0625
// shows 2.063 although the binary value lies below the half. A value that
// rounds to zero shows no "-". A value that is not finite gives "".
std::string formatPattern(double v, Pattern p);

// What a self-formatting box makes of a text: the number in the pattern when
// the text reads strictly as a number, otherwise the text unchanged.
std::string reformat(std::string_view text, Pattern p);

// The number a self-formatting box shows for `v`, as a later step that reads
// the box back gets it: the value in the pattern (formatPattern), read as a
// number. A value written as plain text shows the same, since its 15 digits
// are the ones the pattern rounds. Calculations whose results depend on that
// rounding compute with this. A value that is not finite shows no number; it
// is returned as it is (and one that rounds beyond the double range gives
// infinity), so that nothing computed from it is finite either.
double shownAs(double v, Pattern p);
// The same for a single-precision value written as its 7-digit plain text
// (plainTextSingle): the pattern rounds those 7 digits, not the binary value.
double shownAsSingle(float v, Pattern p);

}  // namespace quorvil
