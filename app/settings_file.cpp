// The settings file: where it lives, and the window bounds and main editor look it keeps between runs.
#include "app/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <functional>
#include <optional>
#include <vector>

#include "app/editor_look.h"
#include "editor/editor.h"
#include "platform/code_page.h"
#include "platform/private_profile.h"

namespace {

constexpr const char* kFormSize = "FormSize";
constexpr const char* kMainEditor = "MainEditor";

std::optional<TSettingsPlace> placeOverride;

// A stored text: UTF-8 as this program writes it, or code page 932 from older files.
QString DecodeText(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return utf8.hasError() ? tavi::FromCp932(bytes) : text;
}

// One "MainEditor" key: how it is read into a look and written from one.
struct TLookKey {
    const char* name;
    std::function<void(const tavi::TPrivateProfile&, TEditorLook&)> read;
    std::function<void(tavi::TPrivateProfile&, const TEditorLook&)> write;
};

TLookKey ColorKey(const char* name, tavi::TColor TEditorLook::*member, tavi::TColor fallback)
{
    return {name, [=](const auto& p, auto& look) { look.*member = tavi::ReadColor(p, kMainEditor, name, fallback); },
            [=](auto& p, const auto& look) { tavi::WriteColor(p, kMainEditor, name, look.*member); }};
}

TLookKey BoolKey(const char* name, bool TEditorLook::*member)
{
    // Every Boolean key defaults to true.
    return {name, [=](const auto& p, auto& look) { look.*member = tavi::ReadBool(p, kMainEditor, name, true); },
            [=](auto& p, const auto& look) { tavi::WriteBool(p, kMainEditor, name, look.*member); }};
}

TLookKey IntKey(const char* name, int TEditorLook::*member, int fallback)
{
    return {name, [=](const auto& p, auto& look) { look.*member = tavi::ReadInteger(p, kMainEditor, name, fallback); },
            [=](auto& p, const auto& look) { tavi::WriteInteger(p, kMainEditor, name, look.*member); }};
}

TLookKey FontNameKey(const char* name, QFont TEditorLook::*member)
{
    return {name,
            [=](const auto& p, auto& look) {
                const std::optional<std::string> stored = p.ReadString(kMainEditor, name);
                (look.*member).setFamily(stored ? DecodeText(*stored) : QStringLiteral("FixedSys"));
            },
            [=](auto& p, const auto& look) {
                p.WriteString(kMainEditor, name, (look.*member).family().toUtf8().toStdString());
            }};
}

TLookKey SyntaxColorKey(const char* name, tavi::TCssClass cls)
{
    const auto i = static_cast<std::size_t>(cls);
    const tavi::TColor fallback = tavi::DefaultCssColors()[i];
    return {name,
            [=](const auto& p, auto& look) { look.SyntaxColors[i] = tavi::ReadColor(p, kMainEditor, name, fallback); },
            [=](auto& p, const auto& look) { tavi::WriteColor(p, kMainEditor, name, look.SyntaxColors[i]); }};
}

const TLookKey& Key(const char* name)
{
    static const std::vector<TLookKey> keys{
        ColorKey("BackgroundColor", &TEditorLook::Color, tavi::clWindow),
        ColorKey("TextColor", &TEditorLook::FontColor, tavi::clWindowText),
        ColorKey("ReserveColor", &TEditorLook::ReserveWordFontColor, tavi::clTeal),
        FontNameKey("TextFont", &TEditorLook::Font),
        {"TextSize",
         [](const auto& p, auto& look) {
             look.Font = WithPointSize(look.Font, tavi::ReadInteger(p, kMainEditor, "TextSize", 9));
         },
         [](auto& p, const auto& look) { tavi::WriteInteger(p, kMainEditor, "TextSize", FontPointSize(look.Font)); }},
        BoolKey("Underline?", &TEditorLook::UnderLine),
        ColorKey("UnderlineColor", &TEditorLook::UnderLineColor, tavi::clGreen),
        BoolKey("EofMark?", &TEditorLook::EofMark),
        ColorKey("EofColor", &TEditorLook::EofMarkColor, tavi::clGreen),
        BoolKey("Reserved?", &TEditorLook::ReserveWordColor),
        IntKey("LeftMargin", &TEditorLook::LeftMargin, 19),
        IntKey("LineMargin", &TEditorLook::LineMargin, 0),
        // Start-up reads "Retmark" and "RetmarkColor": the same keys, names being caseless.
        BoolKey("RetMark", &TEditorLook::RetMark),
        FontNameKey("ReserveFont", &TEditorLook::ReserveWordFont),
        ColorKey("ReserveBackgroundColor", &TEditorLook::ReserveBkColor, tavi::clWindow),
        ColorKey("RetMarkColor", &TEditorLook::RetMarkColor, tavi::clGreen),
        BoolKey("AutoIndent", &TEditorLook::CaretAutoIndent),
        BoolKey("SyntaxColoring?", &TEditorLook::SyntaxColoring),
        SyntaxColorKey("SyntaxComment", tavi::TCssClass::Comment),
        SyntaxColorKey("SyntaxString", tavi::TCssClass::String),
        SyntaxColorKey("SyntaxSelector", tavi::TCssClass::Selector),
        SyntaxColorKey("SyntaxProperty", tavi::TCssClass::Property),
        SyntaxColorKey("SyntaxUnknownProperty", tavi::TCssClass::UnknownProperty),
        SyntaxColorKey("SyntaxValue", tavi::TCssClass::Value),
        SyntaxColorKey("SyntaxNumber", tavi::TCssClass::Number),
        SyntaxColorKey("SyntaxColorValue", tavi::TCssClass::Colour),
        SyntaxColorKey("SyntaxAtRule", tavi::TCssClass::AtRule),
        SyntaxColorKey("SyntaxImportant", tavi::TCssClass::Important),
        BoolKey("LineNumbers?", &TEditorLook::LineNumbers),
    };
    for (const TLookKey& key : keys) {
        if (QLatin1String(key.name) == QLatin1String(name))
            return key;
    }
    std::abort();  // every name below is in the table
}

// The order start-up reads the keys in ("ReserveColor" twice: stored files rely on that order).
const char* const kReadOrder[] = {
    "BackgroundColor", "TextColor", "ReserveColor", "TextFont", "TextSize", "Underline?", "UnderlineColor", "EofMark?",
    "EofColor", "Reserved?", "ReserveColor", "LeftMargin", "LineMargin", "RetMark", "ReserveFont",
    "ReserveBackgroundColor", "RetMarkColor", "AutoIndent",
    // Keys this version added, after those that older files hold.
    "SyntaxColoring?", "SyntaxComment", "SyntaxString", "SyntaxSelector", "SyntaxProperty", "SyntaxUnknownProperty",
    "SyntaxValue", "SyntaxNumber", "SyntaxColorValue", "SyntaxAtRule", "SyntaxImportant", "LineNumbers?"};
// The order close writes them in.
const char* const kWriteOrder[] = {"TextColor",
                                   "TextSize",
                                   "TextFont",
                                   "BackgroundColor",
                                   "Underline?",
                                   "UnderlineColor",
                                   "EofMark?",
                                   "EofColor",
                                   "Reserved?",
                                   "ReserveColor",
                                   "ReserveFont",
                                   "ReserveBackgroundColor",
                                   "LeftMargin",
                                   "LineMargin",
                                   "RetMark",
                                   "RetMarkColor",
                                   "AutoIndent",
                                   "SyntaxColoring?",
                                   "SyntaxComment",
                                   "SyntaxString",
                                   "SyntaxSelector",
                                   "SyntaxProperty",
                                   "SyntaxUnknownProperty",
                                   "SyntaxValue",
                                   "SyntaxNumber",
                                   "SyntaxColorValue",
                                   "SyntaxAtRule",
                                   "SyntaxImportant",
                                   "LineNumbers?"};

QString FileName(const TSettingsPlace& place)
{
    return QFileInfo(place.ProgramFile).completeBaseName() + QStringLiteral(".ini");
}

QString BesideProgram(const TSettingsPlace& place)
{
    return QFileInfo(place.ProgramFile).absoluteDir().filePath(FileName(place));
}

QString InConfigFolder(const TSettingsPlace& place)
{
    return QDir(place.ConfigFolder).filePath(FileName(place));
}

}  // namespace

TSettingsPlace SettingsPlaceOf(const QString& programFile, const QString& configFolder)
{
    const QFileInfo program(programFile);
    const QString entry = QStringLiteral("../share/applications/%1.desktop").arg(program.completeBaseName());
    const bool installed = QFileInfo::exists(program.absoluteDir().filePath(entry));
    return {programFile, !installed && QFileInfo(program.absolutePath()).isWritable(), configFolder};
}

TSettingsPlace CurrentSettingsPlace()
{
    if (placeOverride)
        return *placeOverride;
    return SettingsPlaceOf(QCoreApplication::applicationFilePath(),
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

void SetSettingsPlace(const TSettingsPlace& place)
{
    placeOverride = place;
}

QString SettingsFileToRead(const TSettingsPlace& place)
{
    if (place.ProgramFolderWritable || !QFileInfo::exists(InConfigFolder(place)))
        return BesideProgram(place);
    return InConfigFolder(place);
}

QString SettingsFileToWrite(const TSettingsPlace& place)
{
    return place.ProgramFolderWritable ? BesideProgram(place) : InConfigFolder(place);
}

QRect ReadFormBounds(const tavi::TPrivateProfile& profile, const QRect& defaults)
{
    return QRect(tavi::ReadInteger(profile, kFormSize, "Left", defaults.left()),
                 tavi::ReadInteger(profile, kFormSize, "Top", defaults.top()),
                 tavi::ReadInteger(profile, kFormSize, "Width", defaults.width()),
                 tavi::ReadInteger(profile, kFormSize, "Height", defaults.height()));
}

void ReadMainEditorSettings(const tavi::TPrivateProfile& profile, TEditor& editor)
{
    TEditorLook look = TEditorLook::Of(editor);
    for (const char* name : kReadOrder) {
        Key(name).read(profile, look);
        look.ApplyTo(editor);
    }
}

void WriteSettings(tavi::TPrivateProfile& profile, const std::optional<QRect>& normalBounds, const TEditor& editor)
{
    if (normalBounds) {
        tavi::WriteInteger(profile, kFormSize, "Left", normalBounds->left());
        tavi::WriteInteger(profile, kFormSize, "Top", normalBounds->top());
        tavi::WriteInteger(profile, kFormSize, "Width", normalBounds->width());
        tavi::WriteInteger(profile, kFormSize, "Height", normalBounds->height());
    }
    const TEditorLook look = TEditorLook::Of(editor);
    for (const char* name : kWriteOrder)
        Key(name).write(profile, look);
}
