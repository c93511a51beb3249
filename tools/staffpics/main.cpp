// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifwriter.h"
#include "keyboardlayout.h"
#include "keyboardpainter.h"
#include "outlinefont.h"
#include "staffpainter.h"
#include "stafflayout.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <optional>

using namespace staverly;

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "staffpics: %s\n", qPrintable(message));
    return 1;
}

std::optional<OutlineFont> loadFont(const QString &file, std::initializer_list<char32_t> needed,
                                    QString *error)
{
    auto font = OutlineFont::load(file, error);
    if (!font)
        return std::nullopt;
    for (char32_t symbol : needed) {
        if (!font->has(symbol)) {
            *error = QStringLiteral("font file %1 has no glyph U+%2")
                         .arg(file, QString::number(uint(symbol), 16).toUpper());
            return std::nullopt;
        }
    }
    return font;
}

} // namespace

int main(int argc, char **argv)
{
    // Runs during the build, where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the staff pictures (t48.gif ... t95.gif, b24.gif ... b71.gif, each also at twice "
                       "the pixels as t48@2x.gif ...) "
                       "and the worksheet keyboards (t_piano.gif, b_piano.gif)."));
    parser.addHelpOption();
    const QCommandLineOption musicFont(
        QStringLiteral("music-font"), QStringLiteral("Noto Music font file."), QStringLiteral("file"),
        QStringLiteral("/usr/share/fonts/truetype/noto/NotoMusic-Regular.ttf"));
    const QCommandLineOption labelFont(
        QStringLiteral("label-font"), QStringLiteral("Font file for the middle C label."),
        QStringLiteral("file"), QStringLiteral("/usr/share/fonts/truetype/noto/NotoSans-Bold.ttf"));
    parser.addOption(musicFont);
    parser.addOption(labelFont);
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where the pictures go."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        return fail(QStringLiteral("give exactly one output folder (see --help)"));

    QString error;
    const auto music = loadFont(parser.value(musicFont),
                                {StaffPainter::GClef, StaffPainter::FClef, StaffPainter::WholeNote,
                                 StaffPainter::Sharp},
                                &error);
    if (!music)
        return fail(error + QStringLiteral(" (Debian package fonts-noto-core)"));
    const auto label = loadFont(parser.value(labelFont), {U'C'}, &error);
    if (!label)
        return fail(error + QStringLiteral(" (Debian package fonts-noto-core)"));

    const QDir folder(parser.positionalArguments().first());
    if (!folder.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("cannot create folder %1").arg(folder.path()));

    const StaffPainter staff(*music);
    const KeyboardPainter keyboard(*label);
    for (Clef clef : {Clef::Treble, Clef::Bass}) {
        const StaffLayout layout(clef);
        for (int midi = layout.lowestNote(); midi <= layout.highestNote(); ++midi) {
            for (int scale : {1, 2}) {
                if (!GifWriter::write(staff.paint(layout, midi, scale), folder.filePath(layout.fileName(midi, scale)),
                                      &error))
                    return fail(error);
            }
        }
        const KeyboardLayout keys(clef);
        if (!GifWriter::write(keyboard.paint(keys), folder.filePath(keys.fileName()), &error))
            return fail(error);
    }
    return 0;
}
