#pragma once

#include <QFontMetrics>
#include <QList>
#include <QPoint>
#include <QString>

class QPainter;

// Lays out a caption the way the game's labels and message boxes show text:
// left-aligned from the top, a new line at every LF, CR or CRLF, tabs advanced
// to stops every 8 average characters, "&" marking a mnemonic ("&&" shows one
// "&"), and optionally wrapped between words to a width. A word wider than the
// wrap width stays whole and widens the block; a word wider than `breakWidth`
// (when given) is cut between characters, so hostile text cannot make the
// block arbitrarily wide.
struct TextLine {
    QString text; // as given: "&" markers and tabs still in it
    int width = 0;
};

struct TextBlock {
    QList<TextLine> lines;
    int width = 0;       // of the widest line
    int height = 0;      // number of lines × line height
    int lineHeight = 0;
};

struct TextOptions {
    int wrapWidth = 0;      // 0: break only at line breaks
    int breakWidth = 0;     // 0: never cut inside a word
    bool showAccelChar = true;
};

TextBlock layoutText(const QFontMetrics &metrics, const QString &text, const TextOptions &options);

// The text as shown, without the mnemonic markers.
QString stripAccelChars(const QString &text);

// Draws a block laid out with the same font and options, its top-left at `origin`,
// in the painter's current pen; the mnemonic letter is underlined.
void drawTextBlock(QPainter &painter, const TextBlock &block, QPoint origin, bool showAccelChar = true);
