// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rtf_reader.h"

#include "platform/geometry.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <vector>

namespace platform {

namespace {

// Deeper groups are counted but share the state of the deepest kept one, so
// hostile nesting costs neither memory nor stack.
constexpr int kMaxDepth = 100;
constexpr int kDefaultTab = 720;
// Word's own limits: 22 inches for lengths, 1638 pt for type.
constexpr int kMaxTwips = 31680;
constexpr int kMaxHalfPoints = 3276;

constexpr char16_t kBullet = 0x2022;
// Word writes a Symbol-font bullet as this private-use code point.
constexpr char16_t kSymbolBullet = 0xF0B7;

// Windows-1252 in 0x80-0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t fromCp1252(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte);
}

enum class Destination { Text, Skip, FontTable, BulletText };

struct CharState {
    int font = -1; // -1: the document's default font (\deff)
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0; // all in twips
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
};

struct Group {
    CharState chars;
    ParaState para;
    Destination dest = Destination::Text;
    int unicodeSkip = 1;
};

struct Font {
    QString family;
    bool symbol = false;
};

// clang-format off
enum class Word {
    Unknown, Par, Pard, Plain, Bold, Italic, Underline, UnderlineNone, Center, Left, Right, Justify,
    LeftIndent, RightIndent, FirstIndent, SpaceBefore, SpaceAfter, FontSize, FontNumber, DefaultFont,
    DefaultTab, UnicodeSkip, Unicode, Tab, Line, Bin, FontCharset, FontTable, BulletText, SkipGroup, Emdash,
    Endash, LQuote, RQuote, LDblQuote, RDblQuote, BulletWord,
};
// clang-format on

constexpr std::pair<std::string_view, Word> kWords[] = {
    {"par", Word::Par},
    {"pard", Word::Pard},
    {"plain", Word::Plain},
    {"b", Word::Bold},
    {"i", Word::Italic},
    {"ul", Word::Underline},
    {"uld", Word::Underline},
    {"uldb", Word::Underline},
    {"ulw", Word::Underline},
    {"ulth", Word::Underline},
    {"ulnone", Word::UnderlineNone},
    {"qc", Word::Center},
    {"ql", Word::Left},
    {"qr", Word::Right},
    {"qj", Word::Justify},
    {"li", Word::LeftIndent},
    {"ri", Word::RightIndent},
    {"fi", Word::FirstIndent},
    {"sb", Word::SpaceBefore},
    {"sa", Word::SpaceAfter},
    {"fs", Word::FontSize},
    {"f", Word::FontNumber},
    {"deff", Word::DefaultFont},
    {"deftab", Word::DefaultTab},
    {"uc", Word::UnicodeSkip},
    {"u", Word::Unicode},
    {"tab", Word::Tab},
    {"line", Word::Line},
    {"bin", Word::Bin},
    {"fcharset", Word::FontCharset},
    {"fonttbl", Word::FontTable},
    {"pntext", Word::BulletText},
    {"listtext", Word::BulletText},
    {"emdash", Word::Emdash},
    {"endash", Word::Endash},
    {"lquote", Word::LQuote},
    {"rquote", Word::RQuote},
    {"ldblquote", Word::LDblQuote},
    {"rdblquote", Word::RDblQuote},
    {"bullet", Word::BulletWord},
    // Destinations whose content is never text of the document.
    {"colortbl", Word::SkipGroup},
    {"stylesheet", Word::SkipGroup},
    {"info", Word::SkipGroup},
    {"pict", Word::SkipGroup},
    {"object", Word::SkipGroup},
    {"listtable", Word::SkipGroup},
    {"listoverridetable", Word::SkipGroup},
    {"revtbl", Word::SkipGroup},
    {"pn", Word::SkipGroup},
    {"footnote", Word::SkipGroup},
    {"header", Word::SkipGroup},
    {"headerl", Word::SkipGroup},
    {"headerr", Word::SkipGroup},
    {"headerf", Word::SkipGroup},
    {"footer", Word::SkipGroup},
    {"footerl", Word::SkipGroup},
    {"footerr", Word::SkipGroup},
    {"footerf", Word::SkipGroup},
};

Word lookUp(std::string_view name)
{
    const auto* found =
        std::find_if(std::begin(kWords), std::end(kWords), [&](const auto& w) { return w.first == name; });
    return found == std::end(kWords) ? Word::Unknown : found->second;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Code points that QTextCursor would turn into structure (blocks, frames,
// objects) or that have no business in running text.
bool isTextChar(char16_t c)
{
    if (c == u'\t')
        return true;
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        return false;
    return c != 0x2029 && c != 0xFDD0 && c != 0xFDD1 && c != 0xFEFF && c != 0xFFFC && c != 0xFFFE &&
           c != 0xFFFF;
}

qreal toPixels(int twips)
{
    return twips / qreal(kTwipsPerPixel);
}

class Reader {
public:
    Reader(QByteArrayView data, QTextDocument& document)
        : in_(data)
        , document_(document)
        , cursor_(&document)
    {
        groups_.reserve(kMaxDepth + 1);
        groups_.push_back(Group{});
    }

    void run()
    {
        while (pos_ < in_.size() && !done_) {
            const char c = in_[pos_++];
            if (c == '{')
                openGroup();
            else if (c == '}')
                closeGroup();
            else if (c == '\\')
                controlSequence();
            else if (c != '\r' && c != '\n')
                byte(static_cast<unsigned char>(c));
        }
        if (!done_)
            finish();
    }

private:
    Group& top() { return groups_.back(); }

    void openGroup()
    {
        skipAfterUnicode_ = 0;
        if (groups_.size() > kMaxDepth)
            ++overflow_;
        else
            groups_.push_back(top());
    }

    void closeGroup()
    {
        skipAfterUnicode_ = 0;
        if (overflow_ > 0) {
            --overflow_;
        } else if (groups_.size() == 2) {
            // The document's own group: what follows it is not part of it.
            finish();
            done_ = true;
        } else if (groups_.size() > 2) {
            if (top().dest == Destination::FontTable)
                commitFont(); // the last entry's ';' is often left out
            groups_.pop_back();
        }
    }

    void controlSequence()
    {
        if (pos_ >= in_.size())
            return;
        const char c = in_[pos_];
        if (!isLetter(c)) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        const qsizetype start = pos_;
        while (pos_ < in_.size() && isLetter(in_[pos_]))
            ++pos_;
        const std::string_view name(in_.data() + start, std::size_t(std::min<qsizetype>(pos_ - start, 32)));
        bool negative = false;
        if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        bool hasParam = false;
        long long value = 0;
        while (pos_ < in_.size() && isDigit(in_[pos_])) {
            hasParam = true;
            value = std::min(value * 10 + (in_[pos_++] - '0'), 1'000'000'000'000LL);
        }
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_;
        const long long clamped = std::clamp(negative ? -value : value, -2'147'483'647LL, 2'147'483'647LL);
        word(lookUp(name), hasParam, int(clamped));
    }

    void controlSymbol(char c)
    {
        switch (c) {
        case '\'': {
            // A broken escape loses the digits it has, not the text after.
            int value = 0, digits = 0;
            while (digits < 2 && pos_ < in_.size() && hexValue(in_[pos_]) >= 0) {
                value = value * 16 + hexValue(in_[pos_++]);
                ++digits;
            }
            if (digits == 2)
                byte(static_cast<unsigned char>(value));
            return;
        }
        case '\\':
        case '{':
        case '}':
            byte(static_cast<unsigned char>(c));
            return;
        case '~':
            if (!skippedAsFallback())
                character(0x00A0);
            return;
        case '_':
            if (!skippedAsFallback())
                character(0x2011);
            return;
        case '*':
            top().dest = Destination::Skip;
            return;
        case '\r':
        case '\n':
            word(Word::Par, false, 0);
            return;
        default: // \- (optional hyphen), \| and the like: nothing to show
            return;
        }
    }

    void word(Word w, bool hasParam, int value)
    {
        Group& g = top();
        if (w == Word::Bin) {
            // Raw bytes follow; they are skipped wherever they stand.
            pos_ += std::min<qsizetype>(std::max(value, 0), in_.size() - pos_);
            return;
        }
        if (g.dest == Destination::Skip || skippedAsFallback())
            return;
        if (g.dest == Destination::FontTable) {
            if (w == Word::FontNumber) {
                entry_ = {value, Font{}};
            } else if (w == Word::FontCharset) {
                entry_.second.symbol = value == 2;
            } else if (w == Word::SkipGroup) {
                g.dest = Destination::Skip;
            }
            return;
        }
        const auto twips = [&](int low) { return std::clamp(value, low, kMaxTwips); };
        const bool on = !hasParam || value != 0;
        switch (w) {
        case Word::Par:
            if (g.dest == Destination::Text)
                endParagraph();
            break;
        case Word::Pard:
            g.para = ParaState{};
            break;
        case Word::Plain:
            g.chars = CharState{};
            break;
        case Word::Bold:
            g.chars.bold = on;
            break;
        case Word::Italic:
            g.chars.italic = on;
            break;
        case Word::Underline:
            g.chars.underline = on;
            break;
        case Word::UnderlineNone:
            g.chars.underline = false;
            break;
        case Word::Center:
            g.para.align = Qt::AlignHCenter;
            break;
        case Word::Left:
            g.para.align = Qt::AlignLeft;
            break;
        case Word::Right:
            g.para.align = Qt::AlignRight;
            break;
        case Word::Justify:
            g.para.align = Qt::AlignJustify;
            break;
        case Word::LeftIndent:
            g.para.left = twips(-kMaxTwips);
            break;
        case Word::RightIndent:
            g.para.right = twips(-kMaxTwips);
            break;
        case Word::FirstIndent:
            g.para.first = twips(-kMaxTwips);
            break;
        case Word::SpaceBefore:
            g.para.before = twips(0);
            break;
        case Word::SpaceAfter:
            g.para.after = twips(0);
            break;
        case Word::FontSize:
            g.chars.halfPoints = value > 0 ? std::min(value, kMaxHalfPoints) : 24;
            break;
        case Word::FontNumber:
            g.chars.font = std::max(value, 0);
            break;
        case Word::DefaultFont:
            defaultFont_ = std::max(value, 0);
            break;
        case Word::DefaultTab:
            defaultTab_ = value > 0 ? std::min(value, kMaxTwips) : kDefaultTab;
            break;
        case Word::UnicodeSkip:
            g.unicodeSkip = std::clamp(value, 0, 16);
            break;
        case Word::Unicode:
            character(char16_t(value < 0 ? value + 65536 : value));
            skipAfterUnicode_ = g.unicodeSkip;
            break;
        case Word::Tab:
            character(u'\t');
            break;
        case Word::Line:
            character(QChar::LineSeparator);
            break;
        case Word::FontTable:
            g.dest = Destination::FontTable;
            break;
        case Word::BulletText:
            g.dest = Destination::BulletText;
            bulletLead_ = true;
            break;
        case Word::SkipGroup:
            g.dest = Destination::Skip;
            break;
        case Word::Emdash:
            character(0x2014);
            break;
        case Word::Endash:
            character(0x2013);
            break;
        case Word::LQuote:
            character(0x2018);
            break;
        case Word::RQuote:
            character(0x2019);
            break;
        case Word::LDblQuote:
            character(0x201C);
            break;
        case Word::RDblQuote:
            character(0x201D);
            break;
        case Word::BulletWord:
            character(kBullet);
            break;
        default:
            break;
        }
    }

    // A byte of text, raw or written \'hh.
    void byte(unsigned char b)
    {
        Group& g = top();
        if (g.dest == Destination::Skip || skippedAsFallback())
            return;
        if (g.dest == Destination::FontTable) {
            if (b == ';')
                commitFont();
            else if (const char16_t c = fromCp1252(b); isTextChar(c)) {
                entry_.second.family += QChar(c);
            }
            return;
        }
        if (b == 0xB7 && currentFont().symbol)
            character(kBullet);
        else
            character(fromCp1252(b));
    }

    // After \u the writer puts \uc characters for readers without Unicode;
    // each byte, escape or control word counts as one.
    bool skippedAsFallback()
    {
        if (skipAfterUnicode_ == 0)
            return false;
        --skipAfterUnicode_;
        return true;
    }

    void commitFont()
    {
        Font& font = entry_.second;
        font.family = font.family.trimmed();
        if (!font.family.isEmpty())
            fonts_[entry_.first] = Font{font.family, font.symbol || font.family == "Symbol"};
        font = Font{};
    }

    void character(char16_t c)
    {
        const Group& g = top();
        if (g.dest != Destination::Text && g.dest != Destination::BulletText)
            return;
        if (c == kSymbolBullet)
            c = kBullet;
        if (!isTextChar(c))
            return;
        // Bullet texts come with stray leading spaces from some writers.
        if (g.dest == Destination::BulletText && bulletLead_) {
            if (c == u' ')
                return;
            bulletLead_ = false;
        }
        if (!run_.isEmpty() && !(runState_ == g.chars))
            flush();
        if (run_.isEmpty())
            runState_ = g.chars;
        run_ += QChar(c);
    }

    Font currentFont() const
    {
        const int number = groups_.back().chars.font >= 0 ? groups_.back().chars.font : defaultFont_;
        const auto found = fonts_.find(number);
        return found == fonts_.end() ? Font{} : found->second;
    }

    QTextCharFormat charFormat(const CharState& s) const
    {
        QTextCharFormat format;
        // A symbol font's characters have been read as Unicode (its \'B7 is
        // a bullet); drawn in that font they would come out as other glyphs or
        // none, so they take the document's own font instead.
        const auto found = fonts_.find(s.font >= 0 ? s.font : defaultFont_);
        if (found != fonts_.end() && !found->second.family.isEmpty() && !found->second.symbol)
            format.setFontFamilies(QStringList{found->second.family});
        format.setFontPointSize(s.halfPoints / 2.0);
        format.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(s.italic);
        format.setFontUnderline(s.underline);
        return format;
    }

    static QTextBlockFormat blockFormat(const ParaState& p)
    {
        QTextBlockFormat format;
        format.setAlignment(p.align);
        format.setLeftMargin(toPixels(p.left));
        format.setRightMargin(toPixels(p.right));
        format.setTextIndent(toPixels(p.first));
        format.setTopMargin(toPixels(p.before));
        format.setBottomMargin(toPixels(p.after));
        // Word puts an implicit tab stop at a hanging indent; Qt measures tab
        // stops from where the first line starts, which is -fi before it.
        if (p.first < 0)
            format.setTabPositions({QTextOption::Tab(toPixels(-p.first), QTextOption::LeftTab)});
        return format;
    }

    // Surrogates that lost their partner would make the text invalid UTF-16.
    static void repairSurrogates(QString& text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            else if (text[i].isSurrogate())
                text[i] = QChar::ReplacementCharacter;
        }
    }

    void flush()
    {
        if (run_.isEmpty())
            return;
        startParagraph();
        repairSurrogates(run_);
        cursor_.insertText(run_, charFormat(runState_));
        run_.clear();
    }

    // A \par closes the block lazily: the next block is made only when
    // something follows, so the text after the last \par is not a paragraph.
    void startParagraph()
    {
        if (!blockPending_)
            return;
        cursor_.insertBlock(blockFormat(top().para), charFormat(top().chars));
        blockPending_ = false;
    }

    // The formatting in force at the paragraph mark is the paragraph's, even if
    // it was set after the text (as some writers do).
    void closeParagraph()
    {
        cursor_.setBlockFormat(blockFormat(top().para));
        cursor_.setBlockCharFormat(charFormat(top().chars));
    }

    void endParagraph()
    {
        flush();
        startParagraph();
        closeParagraph();
        blockPending_ = true;
    }

    void finish()
    {
        flush();
        if (!blockPending_)
            closeParagraph();
        QTextOption option = document_.defaultTextOption();
        option.setTabStopDistance(toPixels(defaultTab_));
        document_.setDefaultTextOption(option);
    }

    QByteArrayView in_;
    qsizetype pos_ = 0;
    QTextDocument& document_;
    QTextCursor cursor_;
    std::vector<Group> groups_;
    int overflow_ = 0;
    bool done_ = false;
    int skipAfterUnicode_ = 0;
    bool bulletLead_ = false;
    bool blockPending_ = false;
    std::map<int, Font> fonts_;
    std::pair<int, Font> entry_{0, Font{}};
    int defaultFont_ = 0;
    int defaultTab_ = kDefaultTab;
    QString run_;
    CharState runState_;
};

} // namespace

void readRtf(QByteArrayView data, QTextDocument& document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor batch(&document);
    batch.beginEditBlock();
    Reader(data, document).run();
    batch.endEditBlock();
    document.setUndoRedoEnabled(undo);
}

std::unique_ptr<QTextDocument> readRtf(QByteArrayView data)
{
    auto document = std::make_unique<QTextDocument>();
    readRtf(data, *document);
    return document;
}

} // namespace platform
