// Turns form description files stored in their compiled binary form into their readable text form.
#include "components/form_resource_text.h"

#include <QString>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "platform/code_page.h"

namespace tavi {

namespace {

constexpr std::string_view kSignature = "TPF0";
constexpr std::string_view kLineEnd = "\r\n";
// Real forms nest a few levels; the bound keeps hostile files from exhausting the stack.
constexpr int kMaxDepth = 100;
// Strings longer than this are wrapped over several lines of this many characters.
constexpr int kStringLineLength = 64;
constexpr std::size_t kBinaryBytesPerLine = 32;

enum TValueType : std::uint8_t {
    vaNull,
    vaList,
    vaInt8,
    vaInt16,
    vaInt32,
    vaExtended,
    vaString,
    vaIdent,
    vaFalse,
    vaTrue,
    vaBinary,
    vaSet,
    vaLString,
    vaNil,
    vaCollection,
    vaSingle,
    vaCurrency,
    vaDate,
    vaWString,
    vaInt64,
    vaUTF8String,
    vaDouble,
};

// Flags of the prefix byte some objects carry.
constexpr std::uint8_t ffInherited = 0x01;
constexpr std::uint8_t ffChildPos = 0x02;
constexpr std::uint8_t ffInline = 0x04;

// Thrown by the writer once the limit is reached; the text so far is the result.
struct TLimitReached {};

class TByteReader {
public:
    explicit TByteReader(std::string_view data) : data_(data) {}

    std::uint8_t Peek() const
    {
        Need(1);
        return static_cast<std::uint8_t>(data_[pos_]);
    }
    std::uint8_t Byte()
    {
        const std::uint8_t b = Peek();
        ++pos_;
        return b;
    }
    std::string_view Bytes(std::size_t n)
    {
        Need(n);
        std::string_view out = data_.substr(pos_, n);
        pos_ += n;
        return out;
    }
    // Little-endian unsigned value of `n` bytes.
    std::uint64_t Unsigned(std::size_t n)
    {
        const std::string_view bytes = Bytes(n);
        std::uint64_t value = 0;
        for (std::size_t i = n; i-- > 0;)
            value = (value << 8) | static_cast<std::uint8_t>(bytes[i]);
        return value;
    }
    std::int32_t Int32() { return static_cast<std::int32_t>(Unsigned(4)); }
    // A length-prefixed string of at most 255 bytes.
    std::string_view ShortString() { return Bytes(Byte()); }
    // A 32-bit length; a negative one cannot be real data.
    std::size_t Length()
    {
        const std::int32_t n = Int32();
        if (n < 0)
            throw TFormResourceError("negative length");
        return static_cast<std::size_t>(n);
    }
    void Skip(std::size_t n) { Bytes(n); }

private:
    void Need(std::size_t n) const
    {
        if (data_.size() - pos_ < n)
            throw TFormResourceError("unexpected end of data");
    }

    std::string_view data_;
    std::size_t pos_ = 0;
};

// A form stored as a 16-bit resource file starts with the resource's type, name,
// flags and size before the signature.
void SkipResourceHeader(TByteReader& in)
{
    if (in.Peek() != 0xFF)
        return;
    in.Skip(3);  // type: 0xFF and the ordinal word
    if (in.Peek() == 0xFF) {
        in.Skip(3);  // name given as an ordinal
    } else {
        while (in.Byte() != 0) {
        }
    }
    in.Skip(2 + 4);  // flags, size
}

std::string FormatDouble(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : "Inf";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// The 80-bit extended format: 64-bit mantissa with an explicit integer bit, 15-bit
// biased exponent and a sign bit; read by hand so that the host's long double does not matter.
double ExtendedToDouble(std::string_view bytes)
{
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | static_cast<std::uint8_t>(bytes[i]);
    const unsigned top = static_cast<std::uint8_t>(bytes[8]) | (static_cast<std::uint8_t>(bytes[9]) << 8);
    const bool negative = (top & 0x8000) != 0;
    const int exponent = static_cast<int>(top & 0x7FFF);
    double value;
    if (exponent == 0x7FFF)
        value =
            (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity() : std::numeric_limits<double>::quiet_NaN();
    else
        value = std::ldexp(static_cast<double>(mantissa), (exponent == 0 ? 1 : exponent) - 16383 - 63);
    return negative ? -value : value;
}

std::string FormatCurrency(std::int64_t scaled)
{
    // Currency is a fixed-point value with four decimals; written exactly, without float rounding.
    const bool negative = scaled < 0;
    const std::uint64_t magnitude =
        negative ? std::uint64_t{0} - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    std::string text = std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(magnitude % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += "." + fraction;
    return (negative ? "-" : "") + text;
}

// One character of a string value: printable bytes in code page 932, or a character
// code written as #n outside the quotes.
struct TStringUnit {
    std::string bytes;
    std::uint32_t code = 0;
    bool printable = true;
};

std::vector<TStringUnit> AnsiUnits(std::string_view s)
{
    std::vector<TStringUnit> units;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<std::uint8_t>(s[i]);
        const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        if (lead && i + 1 < s.size()) {
            units.push_back({std::string(s.substr(i, 2))});
            ++i;
        } else if (c < 0x20) {
            units.push_back({{}, c, false});
        } else {
            units.push_back({std::string(1, static_cast<char>(c))});
        }
    }
    return units;
}

std::vector<TStringUnit> WideUnits(const QString& s)
{
    std::vector<TStringUnit> units;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (c < 0x20) {
            units.push_back({{}, c, false});
        } else if (c < 0x80) {
            units.push_back({std::string(1, static_cast<char>(c))});
        } else if (const QStringView one = QStringView(s).mid(i, 1); FitsCp932(one)) {
            units.push_back({ToCp932String(one)});
        } else {
            units.push_back({{}, c, false});
        }
    }
    return units;
}

class TFormTextWriter {
public:
    TFormTextWriter(std::string_view data, std::size_t limit) : in_(data), limit_(limit) {}

    std::string Convert()
    {
        try {
            SkipResourceHeader(in_);
            if (in_.Bytes(kSignature.size()) != kSignature)
                throw TFormResourceError("not a compiled form");
            Object(0);
        } catch (const TLimitReached&) {
            out_.resize(limit_);
        }
        return std::move(out_);
    }

private:
    void Put(std::string_view text)
    {
        out_ += text;
        if (out_.size() >= limit_)
            throw TLimitReached{};
    }
    void Indent(int level) { Put(std::string(static_cast<std::size_t>(level), ' ')); }
    void NewLine(int level)
    {
        Put(kLineEnd);
        Indent(level);
    }

    std::int64_t Integer()
    {
        switch (in_.Byte()) {
            case vaInt8:
                return static_cast<std::int8_t>(in_.Byte());
            case vaInt16:
                return static_cast<std::int16_t>(in_.Unsigned(2));
            case vaInt32:
                return in_.Int32();
            case vaInt64:
                return static_cast<std::int64_t>(in_.Unsigned(8));
            default:
                throw TFormResourceError("integer expected");
        }
    }

    void Object(int depth)
    {
        if (depth > kMaxDepth)
            throw TFormResourceError("nested too deeply");
        std::uint8_t flags = 0;
        std::string position;
        if ((in_.Peek() & 0xF0) == 0xF0) {
            flags = in_.Byte() & 0x0F;
            if (flags & ffChildPos)
                position = " [" + std::to_string(Integer()) + "]";
        }
        const std::string_view className = in_.ShortString();
        const std::string_view objectName = in_.ShortString();
        const int indent = 2 * depth;
        Indent(indent);
        Put((flags & ffInherited) ? "inherited " : (flags & ffInline) ? "inline " : "object ");
        if (!objectName.empty()) {
            Put(objectName);
            Put(": ");
        }
        Put(className);
        Put(position);
        Put(kLineEnd);
        Properties(indent + 2, depth);
        while (in_.Peek() != 0)
            Object(depth + 1);
        in_.Byte();
        Indent(indent);
        Put("end");
        Put(kLineEnd);
    }

    // "Name = value" lines up to the end-of-list mark.
    void Properties(int indent, int depth)
    {
        while (in_.Peek() != 0) {
            Indent(indent);
            Put(in_.ShortString());
            Put(" = ");
            Value(indent, depth);
            Put(kLineEnd);
        }
        in_.Byte();
    }

    void Value(int indent, int depth)
    {
        if (depth > kMaxDepth)
            throw TFormResourceError("nested too deeply");
        const std::uint8_t type = in_.Byte();
        switch (type) {
            case vaNull:
                return Put("Null");
            case vaList:
                Put("(");
                while (in_.Peek() != 0) {
                    NewLine(indent + 2);
                    Value(indent + 2, depth + 1);
                }
                in_.Byte();
                return Put(")");
            case vaInt8:
                return Put(std::to_string(static_cast<std::int8_t>(in_.Byte())));
            case vaInt16:
                return Put(std::to_string(static_cast<std::int16_t>(in_.Unsigned(2))));
            case vaInt32:
                return Put(std::to_string(in_.Int32()));
            case vaInt64:
                return Put(std::to_string(static_cast<std::int64_t>(in_.Unsigned(8))));
            case vaExtended:
                return Put(FormatDouble(ExtendedToDouble(in_.Bytes(10))));
            case vaSingle: {
                const std::uint32_t bits = static_cast<std::uint32_t>(in_.Unsigned(4));
                float f;
                std::memcpy(&f, &bits, sizeof f);
                return Put(FormatDouble(f) + "s");
            }
            case vaDouble:
            case vaDate: {
                const std::uint64_t bits = in_.Unsigned(8);
                double d;
                std::memcpy(&d, &bits, sizeof d);
                return Put(FormatDouble(d) + (type == vaDate ? "d" : ""));
            }
            case vaCurrency:
                return Put(FormatCurrency(static_cast<std::int64_t>(in_.Unsigned(8))) + "c");
            case vaString:
                return String(AnsiUnits(in_.ShortString()), indent);
            case vaLString:
                return String(AnsiUnits(in_.Bytes(in_.Length())), indent);
            case vaWString: {
                const std::size_t n = in_.Length();
                if (n > std::numeric_limits<std::size_t>::max() / 2)
                    throw TFormResourceError("string too long");
                const std::string_view bytes = in_.Bytes(2 * n);
                QString text(static_cast<qsizetype>(n), QChar());
                for (std::size_t i = 0; i < n; ++i)
                    text[static_cast<qsizetype>(i)] = QChar(static_cast<char16_t>(
                        static_cast<std::uint8_t>(bytes[2 * i]) | (static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8)));
                return String(WideUnits(text), indent);
            }
            case vaUTF8String: {
                const std::string_view bytes = in_.Bytes(in_.Length());
                return String(WideUnits(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()))), indent);
            }
            case vaIdent:
                return Put(in_.ShortString());
            case vaFalse:
                return Put("False");
            case vaTrue:
                return Put("True");
            case vaNil:
                return Put("nil");
            case vaBinary:
                return Binary(in_.Bytes(in_.Length()), indent);
            case vaSet:
                return Set();
            case vaCollection:
                return Collection(indent, depth);
            default:
                throw TFormResourceError("unknown value type");
        }
    }

    void Set()
    {
        Put("[");
        for (bool first = true;; first = false) {
            const std::string_view name = in_.ShortString();
            if (name.empty())
                break;
            if (!first)
                Put(", ");
            Put(name);
        }
        Put("]");
    }

    void Binary(std::string_view bytes, int indent)
    {
        static constexpr char kHex[] = "0123456789ABCDEF";
        Put("{");
        for (std::size_t start = 0; start < bytes.size(); start += kBinaryBytesPerLine) {
            NewLine(indent + 2);
            std::string line;
            for (const char c : bytes.substr(start, kBinaryBytesPerLine)) {
                const auto b = static_cast<std::uint8_t>(c);
                line += kHex[b >> 4];
                line += kHex[b & 0x0F];
            }
            Put(line);
        }
        Put("}");
    }

    void Collection(int indent, int depth)
    {
        Put("<");
        while (in_.Peek() != 0) {
            NewLine(indent + 2);
            Put("item");
            const std::uint8_t next = in_.Peek();
            if (next == vaInt8 || next == vaInt16 || next == vaInt32)
                Put(" [" + std::to_string(Integer()) + "]");
            // Each item's properties form a list of their own.
            if (in_.Byte() != vaList)
                throw TFormResourceError("collection item expected");
            Put(kLineEnd);
            Properties(indent + 4, depth + 1);
            Indent(indent + 2);
            Put("end");
        }
        in_.Byte();
        Put(">");
    }

    // Quoted runs of printable characters (quotes doubled) and #n codes between them; a
    // string longer than one line starts on its own line and continues with " +".
    void String(const std::vector<TStringUnit>& units, int indent)
    {
        if (units.empty())
            return Put("''");
        const bool wrapped = units.size() > static_cast<std::size_t>(kStringLineLength);
        if (wrapped)
            NewLine(indent + 2);
        bool quoted = false;
        int onLine = 0;
        for (std::size_t i = 0; i < units.size(); ++i) {
            const TStringUnit& unit = units[i];
            if (unit.printable != quoted) {
                Put("'");
                quoted = unit.printable;
            }
            if (unit.printable) {
                Put(unit.bytes == "'" ? std::string_view("''") : std::string_view(unit.bytes));
            } else {
                Put("#");
                Put(std::to_string(unit.code));
            }
            if (++onLine == kStringLineLength && i + 1 < units.size()) {
                if (quoted)
                    Put("'");
                quoted = false;
                Put(" +");
                NewLine(indent + 2);
                onLine = 0;
            }
        }
        if (quoted)
            Put("'");
    }

    TByteReader in_;
    std::size_t limit_;
    std::string out_;
};

}  // namespace

bool IsFormResource(std::string_view data)
{
    if (data.substr(0, kSignature.size()) == kSignature)
        return true;
    try {
        TByteReader in(data);
        SkipResourceHeader(in);
        return in.Bytes(kSignature.size()) == kSignature;
    } catch (const TFormResourceError&) {
        return false;
    }
}

std::string FormResourceToText(std::string_view data, std::size_t limit)
{
    if (limit == 0)
        return {};
    return TFormTextWriter(data, limit).Convert();
}

}  // namespace tavi
