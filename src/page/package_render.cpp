#include "page/package_render.h"

#include "page/chart_painter.h"
#include "page/page_render.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QLineF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kMarginMillimetres = 15;
constexpr double kMargin = kMarginMillimetres * 72 / 25.4;
// Type is measured and drawn at this many pixels per point: whole pixel sizes then give a
// twentieth of a point, and no advance is rounded to a whole point.
constexpr double kTextScale = 20;
constexpr double kGap = 6;         // between sections
constexpr double kPad = 4;         // inside a section's frame
constexpr double kCellPad = 2.5;   // inside a table's cell
constexpr double kRowPad = 1.6;    // above and below a label and its value
constexpr double kBarHeight = 13;  // a section's title bar
constexpr double kBandHeight = 17; // the dark band over a title block
constexpr double kUnlimited = 1e6;
constexpr double kChartRatio = 0.66; // the chart's height to its width
constexpr double kChartWidest = 340;

const QColor kInk(0x1C, 0x1C, 0x1C);
const QColor kLabelInk(0x5F, 0x63, 0x68);
const QColor kFrame(0x7D, 0x85, 0x8E);
const QColor kLightRule(0xD6, 0xDA, 0xDF);
const QColor kBar(0xE6, 0xEA, 0xEF);
const QColor kBand(0x23, 0x37, 0x4B);
const QColor kBandInk(0xFF, 0xFF, 0xFF);
const QColor kBandSmallInk(0xC9, 0xD3, 0xDD);
const QColor kStripe(0xF5, 0xF7, 0xF9);
const QColor kPassInk(0x1E, 0x7B, 0x34);
const QColor kFailInk(0xC0, 0x26, 0x2D);
const QColor kMutedInk(0x7A, 0x7A, 0x7A);
const QColor kWarningInk(0x8A, 0x4B, 0x00);
// the chart rings the weakest point in reddish purple and writes its label darker: the
// table's weakest row is tinted with the ring's colour and written in the label's
const QColor kWeakestFill(0xF4, 0xE2, 0xEC);
const QColor kWeakestInk(0x80, 0x20, 0x60);

enum class Style {
    Body, // values, table cells
    BodyBold,
    Small, // notes, warnings, assumptions, labels over values
    SmallBold,
    Title,     // a section's title bar
    Tag,       // the tag in the title block
    Large,     // the actuator
    Medium,    // spring set, action, margin
    Band,      // the package's title in the dark band
    BandSmall, // the program in the dark band
    CoverTitle,
    CoverValue,
    Count
};

struct TypeSize {
    double points;
    bool bold;
};

constexpr std::array<TypeSize, static_cast<std::size_t>(Style::Count)> kFaces{{
    {7.5, false},
    {7.5, true},
    {6.5, false},
    {6.5, true},
    {7.5, true},
    {13, true},
    {15, true},
    {10, true},
    {9, true},
    {6.5, false},
    {24, true},
    {10.5, false},
}};

QFont PackageFont(const TypeSize& size) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(size.points * kTextScale)));
    font.setBold(size.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// A font at one size with its measures in points.
struct Face {
    QFont font;
    QFontMetricsF metrics;
    double ascent;
    double line;

    explicit Face(const TypeSize& size)
        : font(PackageFont(size)), metrics(font), ascent(metrics.ascent() / kTextScale),
          line(metrics.lineSpacing() / kTextScale) {}
    // texts wrapped in this face, by text, width and lines
    mutable QHash<QString, QStringList> wrapped;

    double Width(const QString& text) const { return metrics.horizontalAdvance(text) / kTextScale; }
    QString Elide(const QString& text, double width) const {
        return metrics.elidedText(text, Qt::ElideRight, width * kTextScale);
    }
};

// The faces of a package, looked up once for all its pages.
class Typeset {
public:
    Typeset() {
        faces_.reserve(kFaces.size());
        for (const TypeSize& size : kFaces)
            faces_.emplace_back(size);
    }
    const Face& operator[](Style style) const { return faces_[static_cast<std::size_t>(style)]; }

private:
    std::vector<Face> faces_;
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// Lines of at most width, broken between words (inside a word that is wider), the last of
// maxLines ending in an ellipsis when the text goes on.
QStringList WrapText(const Face& face, const QString& text, double width, int maxLines) {
    if (face.Width(text) <= width)
        return {text};
    // words are measured one by one and a line only checked whole, not every beginning of it
    QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<double> widths;
    for (const QString& word : words)
        widths.push_back(face.Width(word));
    const double space = face.Width(QStringLiteral(" "));
    QStringList lines;
    for (qsizetype i = 0; i < words.size();) {
        if (lines.size() + 1 >= maxLines) {
            lines << face.Elide(words.mid(i).join(QLatin1Char(' ')), width);
            break;
        }
        if (widths[i] > width) {
            // as much of the word as fits
            qsizetype low = 1, high = words[i].size() - 1;
            while (low < high) {
                const qsizetype middle = (low + high + 1) / 2;
                if (face.Width(words[i].left(middle)) <= width)
                    low = middle;
                else
                    high = middle - 1;
            }
            lines << words[i].left(low);
            words[i] = words[i].mid(low);
            widths[i] = face.Width(words[i]);
            continue;
        }
        qsizetype end = i + 1;
        double sum = widths[i];
        while (end < words.size() && sum + space + widths[end] <= width)
            sum += space + widths[end++];
        QString line = words.mid(i, end - i).join(QLatin1Char(' '));
        while (end - i > 1 && face.Width(line) > width) // kerning can make the whole wider
            line = words.mid(i, --end - i).join(QLatin1Char(' '));
        lines << line;
        i = end;
    }
    return lines;
}

QStringList Wrap(const Face& face, const std::string& source, double width, int maxLines) {
    const QString text = Text(source).simplified();
    if (text.isEmpty())
        return {};
    // a little under the width, so a line measured here is never wider where it is drawn
    width = std::max(1.0, width - 0.3);
    // a page lays a text out more than once, trying caps: it is wrapped once
    QString key = text;
    key += QChar(0x1F) + QString::number(qRound(width * 100)) + QChar(0x1F) + QString::number(maxLines);
    if (const auto known = face.wrapped.constFind(key); known != face.wrapped.constEnd())
        return *known;
    if (face.wrapped.size() > 4096)
        face.wrapped.clear();
    return *face.wrapped.insert(key, WrapText(face, text, width, maxLines));
}

// A format's %s replaced in order by the arguments.
QString Format(const std::string& format, std::initializer_list<QString> values) {
    QString text = Text(format);
    for (const QString& value : values) {
        const qsizetype at = text.indexOf(QStringLiteral("%s"));
        if (at < 0)
            break;
        text.replace(at, 2, value);
    }
    return text;
}

QString PageText(const PackageFrame& frame, int number, int count) {
    if (number <= 0)
        return {};
    if (frame.pageOf.find("%s") == std::string::npos)
        return QStringLiteral("%1 / %2").arg(number).arg(count);
    return Format(frame.pageOf, {QString::number(number), QString::number(count)});
}

QString MoreText(const TagPageTitles& titles, std::size_t more) {
    if (titles.more.find("%s") == std::string::npos)
        return QStringLiteral("… +%1").arg(more);
    return QStringLiteral("… ") + Format(titles.more, {QString::number(more)});
}

struct PlacedText {
    QString text;
    QPointF baseline; // where the line starts, on its baseline
};

enum class ItemKind { Section, Fill, Rule, Text, Chart };

// One thing drawn on a page: a section's frame, a filled box, a rule, lines of text or the
// chart. The public layout is these items' boxes.
struct Item {
    PackageBox box;
    ItemKind kind = ItemKind::Text;
    Style style = Style::Body;
    QColor colour;  // of the text, the fill, the rule or the frame (none: no frame)
    double pen = 0; // a rule's or a frame's width
    QLineF line;    // a rule
    std::vector<PlacedText> lines;
};

// A page being laid out.
class Sheet {
public:
    explicit Sheet(const Typeset& type) : type(type) {}

    const Typeset& type;
    std::vector<Item> items;

    void Section(const std::string& name, const QRectF& rect, bool framed = true) {
        Item item;
        item.box = {name, rect, true};
        item.kind = ItemKind::Section;
        item.colour = framed ? kFrame : QColor();
        item.pen = 0.6;
        items.push_back(std::move(item));
    }
    void Fill(const std::string& name, const QRectF& rect, const QColor& colour) {
        Item item;
        item.box = {name, rect, false};
        item.kind = ItemKind::Fill;
        item.colour = colour;
        items.push_back(std::move(item));
    }
    void Rule(QPointF from, QPointF to, const QColor& colour, double width) {
        Item item;
        item.kind = ItemKind::Rule;
        item.line = QLineF(from, to);
        item.colour = colour;
        item.pen = width;
        items.push_back(std::move(item));
    }
    void Chart(const std::string& name, const QRectF& rect) {
        Item item;
        item.box = {name, rect, false};
        item.kind = ItemKind::Chart;
        items.push_back(std::move(item));
    }
    // Lines from the top of at, aligned in its width; returns their height.
    double Text(const std::string& name, const QRectF& at, const QStringList& lines, Style style, const QColor& colour,
                Qt::Alignment align = Qt::AlignLeft) {
        if (lines.isEmpty())
            return 0;
        const Face& face = type[style];
        Item item;
        item.box = {name, QRectF(at.left(), at.top(), at.width(), face.line * lines.size()), false};
        item.kind = ItemKind::Text;
        item.style = style;
        item.colour = colour;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            double x = at.left();
            if (align & Qt::AlignRight)
                x = at.right() - face.Width(lines[i]);
            else if (align & Qt::AlignHCenter)
                x = at.left() + (at.width() - face.Width(lines[i])) / 2;
            item.lines.push_back({lines[i], QPointF(x, at.top() + face.ascent + face.line * i)});
        }
        items.push_back(std::move(item));
        return face.line * lines.size();
    }
};

// How many rows, in order, fit in cap, leaving room for the line that tells how many more
// there are when not all do.
std::size_t RowsThatFit(const std::vector<double>& heights, double cap, double moreHeight) {
    double total = 0;
    for (double h : heights)
        total += h;
    if (total <= cap)
        return heights.size();
    std::size_t count = 0;
    double used = 0;
    while (count < heights.size() && used + heights[count] + moreHeight <= cap)
        used += heights[count++];
    return count;
}

// The "… n more" line under a list cut short, when it has room.
double PlaceMore(Sheet& sheet, const std::string& section, const TagPageTitles& titles, std::size_t more, double x,
                 double y, double width, double room) {
    if (more == 0 || sheet.type[Style::Small].line > room)
        return 0;
    return sheet.Text(section + ".more", QRectF(x, y, width, 0),
                      {sheet.type[Style::Small].Elide(MoreText(titles, more), width)}, Style::Small, kMutedInk);
}

// Widths for columns that would like natural widths in total: shared out in proportion
// when there is room, otherwise the widest cut down to the same width.
std::vector<double> FitWidths(std::vector<double> natural, double total) {
    double sum = 0;
    for (double w : natural)
        sum += w;
    if (natural.empty() || sum <= 0)
        return natural;
    if (sum <= total) {
        for (double& w : natural)
            w *= total / sum;
        return natural;
    }
    std::vector<double> sorted = natural;
    std::sort(sorted.begin(), sorted.end());
    double below = 0;
    double cap = total / sorted.size();
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        const double c = (total - below) / (sorted.size() - i);
        if (sorted[i] >= c) {
            cap = c;
            break;
        }
        below += sorted[i];
    }
    for (double& w : natural)
        w = std::min(w, cap);
    return natural;
}

struct Column {
    double width = 0;
    Qt::Alignment align = Qt::AlignLeft;
};

// A table row's cells wrapped in their columns, each in its style and ink.
struct TableRow {
    std::vector<QStringList> cells;
    std::vector<Style> styles;
    std::vector<QColor> inks;
    double height = 0;
};

// The row in one style, or the style of each cell where styles gives one.
TableRow WrapRow(const Typeset& type, const std::vector<std::string>& texts, const std::vector<Column>& columns,
                 int maxLines, Style style, const std::vector<Style>& styles = {}) {
    TableRow row;
    double height = type[style].line;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const Style cellStyle = c < styles.size() ? styles[c] : style;
        const Face& face = type[cellStyle];
        row.styles.push_back(cellStyle);
        row.cells.push_back(c < texts.size() ? Wrap(face, texts[c], columns[c].width - 2 * kCellPad, maxLines)
                                             : QStringList());
        height = std::max(height, face.line * row.cells.back().size());
    }
    row.height = height + 2 * kCellPad;
    return row;
}

// A table row's cells from its top left in ink, or in the row's own ink for a cell that has
// one; fill, when valid, lies under the whole row.
void PlaceRow(Sheet& sheet, const std::string& name, double x, double y, const std::vector<Column>& columns,
              const TableRow& row, const QColor& ink, const QColor& fill = QColor()) {
    double width = 0;
    for (const Column& column : columns)
        width += column.width;
    if (fill.isValid())
        sheet.Fill(name + ".fill", QRectF(x, y, width, row.height), fill);
    double left = x;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const QColor colour = c < row.inks.size() && row.inks[c].isValid() ? row.inks[c] : ink;
        sheet.Text(name + "." + std::to_string(c),
                   QRectF(left + kCellPad, y + kCellPad, columns[c].width - 2 * kCellPad, 0), row.cells[c],
                   row.styles[c], colour, columns[c].align);
        left += columns[c].width;
    }
}

// The widths a table's columns would like: the widest cell, and the header in two lines.
std::vector<double> NaturalWidths(const Typeset& type, const std::vector<std::string>& header,
                                  const std::vector<std::vector<std::string>>& rows, std::size_t columns) {
    std::vector<double> widths(columns, 0);
    for (std::size_t c = 0; c < columns; ++c) {
        if (c < header.size()) {
            const QString text = Text(header[c]);
            double longest = 0; // the header's longest word
            for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                longest = std::max(longest, type[Style::SmallBold].Width(word));
            widths[c] = std::max(longest, type[Style::SmallBold].Width(text) / 1.8);
        }
        for (const auto& row : rows)
            if (c < row.size())
                widths[c] = std::max(widths[c], type[Style::BodyBold].Width(Text(row[c])));
        widths[c] += 2 * kCellPad + 1;
    }
    return widths;
}

// ---------------------------------------------------------------------------------------
// The title block: the package's title and the program in a dark band, then a ruled grid of
// the tag (on a tag page), the project's fields, the date and the page.

double PlaceTitleBlock(Sheet& sheet, const PackageFrame& frame, const std::string* tag, const QString& pageText,
                       const QRectF& area) {
    const Typeset& type = sheet.type;
    const double x = area.left();
    const double top = area.top();
    const double width = area.width();

    sheet.Fill("title.band", QRectF(x, top, width, kBandHeight), kBand);
    const Face& band = type[Style::Band];
    const Face& bandSmall = type[Style::BandSmall];
    const QString title = Text(frame.title);
    const double titleWidth = std::min(band.Width(title), width * 0.45);
    sheet.Text("title.name", QRectF(x + kPad, top + (kBandHeight - band.line) / 2, titleWidth, 0),
               {band.Elide(title, titleWidth)}, Style::Band, kBandInk);
    const double programWidth = width - titleWidth - 4 * kPad;
    sheet.Text("title.program",
               QRectF(x + width - kPad - programWidth, top + (kBandHeight - bandSmall.line) / 2, programWidth, 0),
               {bandSmall.Elide(Text(frame.program), programWidth)}, Style::BandSmall, kBandSmallInk, Qt::AlignRight);

    struct Cell {
        std::string label;
        std::string value;
        bool oneLine = false;
    };
    std::vector<Cell> cells;
    for (const PackageField& field : frame.projectFields)
        cells.push_back({field.label, field.value});
    cells.push_back({frame.dateLabel, frame.date, true});
    cells.push_back({std::string(), pageText.toStdString(), true});

    const Face& label = type[Style::Small];
    const Face& value = type[Style::Body];
    const double gridTop = top + kBandHeight;
    const double tagWidth = tag ? std::round(width * 0.3) : 0;
    const int rows = tag || cells.size() > 6 ? 2 : 1;
    const int columns = static_cast<int>((cells.size() + rows - 1) / rows);
    const double cellWidth = (width - tagWidth) / columns;
    const double textWidth = cellWidth - 2 * kCellPad;

    std::vector<QStringList> values;
    std::vector<double> rowHeights(rows, kCellPad * 2 + label.line + value.line);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        // the last cell of a short row reaches to the right edge
        const int row = static_cast<int>(i) / columns;
        const bool last = i + 1 == cells.size();
        const double w = last ? width - tagWidth - (i % columns) * cellWidth - 2 * kCellPad : textWidth;
        values.push_back(cells[i].oneLine ? QStringList{value.Elide(Text(cells[i].value), w)}
                                          : Wrap(value, cells[i].value, w, 2));
        rowHeights[row] = std::max(rowHeights[row], kCellPad * 2 + label.line + value.line * values.back().size());
    }
    QStringList tagLines;
    Style tagStyle = Style::Tag;
    if (tag) {
        // a tag too long for two lines of the large type takes two of a smaller one
        tagStyle = Style::Tag;
        tagLines = Wrap(type[tagStyle], *tag, tagWidth - 2 * kCellPad, 2);
        if (tagLines.join(QString()).remove(QLatin1Char(' ')) != Text(*tag).remove(QLatin1Char(' '))) {
            tagStyle = Style::Medium;
            tagLines = Wrap(type[tagStyle], *tag, tagWidth - 2 * kCellPad, 2);
        }
        const double tagHeight =
            kCellPad * 2 + label.line + type[tagStyle].line * std::max<qsizetype>(1, tagLines.size());
        double sum = 0;
        for (double h : rowHeights)
            sum += h;
        if (tagHeight > sum)
            rowHeights.back() += tagHeight - sum;
    }
    double gridHeight = 0;
    for (double h : rowHeights)
        gridHeight += h;

    if (tag) {
        sheet.Text("title.tagLabel", QRectF(x + kCellPad, gridTop + kCellPad, tagWidth - 2 * kCellPad, 0),
                   {label.Elide(Text(frame.tagLabel), tagWidth - 2 * kCellPad)}, Style::Small, kLabelInk);
        sheet.Text("title.tag", QRectF(x + kCellPad, gridTop + kCellPad + label.line, tagWidth - 2 * kCellPad, 0),
                   tagLines, tagStyle, kInk);
        sheet.Rule(QPointF(x + tagWidth, gridTop), QPointF(x + tagWidth, gridTop + gridHeight), kFrame, 0.5);
    }
    double rowTop = gridTop;
    for (int r = 0; r < rows; ++r) {
        if (r > 0)
            sheet.Rule(QPointF(x + tagWidth, rowTop), QPointF(x + width, rowTop), kFrame, 0.5);
        for (int c = 0; c < columns; ++c) {
            const std::size_t i = static_cast<std::size_t>(r * columns + c);
            if (i >= cells.size())
                break;
            const double left = x + tagWidth + c * cellWidth;
            const bool last = i + 1 == cells.size();
            const double w = last ? x + width - left - 2 * kCellPad : textWidth;
            if (c > 0)
                sheet.Rule(QPointF(left, rowTop), QPointF(left, rowTop + rowHeights[r]), kFrame, 0.5);
            const std::string n = std::to_string(i);
            sheet.Text("title.label." + n, QRectF(left + kCellPad, rowTop + kCellPad, w, 0),
                       {label.Elide(Text(cells[i].label), w)}, Style::Small, kLabelInk);
            sheet.Text("title.value." + n, QRectF(left + kCellPad, rowTop + kCellPad + label.line, w, 0), values[i],
                       Style::Body, kInk);
        }
        rowTop += rowHeights[r];
    }
    const QRectF box(x, top, width, kBandHeight + gridHeight);
    sheet.Section("title", box);
    return box.bottom();
}

// ---------------------------------------------------------------------------------------
// Sections of a tag page. A section is a title bar over a body; a body is laid out in a
// box whose height is its cap and returns the height it used.

using Body = std::function<double(Sheet&, const QRectF&)>;

struct Block {
    std::string name;
    QString title;
    Body body;
    bool whole = false; // never cut short
};

double Chrome(const Block& block) {
    return (block.title.isEmpty() ? 0 : kBarHeight) + 2 * kPad;
}

// Places the block's frame, title bar and body in rect; returns the height it used, at most
// rect's.
double PlaceBlock(Sheet& sheet, const Block& block, const QRectF& rect) {
    const double chrome = Chrome(block);
    const double barHeight = block.title.isEmpty() ? 0 : kBarHeight;
    const QRectF body(rect.left() + kPad, rect.top() + barHeight + kPad, rect.width() - 2 * kPad,
                      std::max(0.0, rect.height() - chrome));
    const double used = block.body(sheet, body);
    return std::min(rect.height(), chrome + used);
}

// The frame and title bar of a block placed at rect.
void FrameBlock(Sheet& sheet, const Block& block, const QRectF& rect) {
    if (!block.title.isEmpty()) {
        const Face& face = sheet.type[Style::Title];
        sheet.Fill(block.name + ".bar", QRectF(rect.left(), rect.top(), rect.width(), kBarHeight), kBar);
        sheet.Text(block.name + ".title",
                   QRectF(rect.left() + kPad, rect.top() + (kBarHeight - face.line) / 2, rect.width() - 2 * kPad, 0),
                   {face.Elide(block.title, rect.width() - 2 * kPad)}, Style::Title, kInk);
    }
    sheet.Section(block.name, rect);
}

double NaturalHeight(const Typeset& type, const Block& block, double width) {
    Sheet scratch(type);
    return PlaceBlock(scratch, block, QRectF(0, 0, width, kUnlimited));
}

// Label and value pairs in columns, filled down the first column first.
Body PairsBody(const std::string& section, const std::vector<PackageField>& fields, const TagPageTitles& titles,
               std::size_t twoColumnsFrom = 6, double labelShare = 0.42) {
    return [section, &fields, &titles, twoColumnsFrom, labelShare](Sheet& sheet, const QRectF& body) {
        const Face& face = sheet.type[Style::Body];
        const int columns = body.width() >= 380 && fields.size() >= twoColumnsFrom ? 2 : 1;
        const double columnGap = 10;
        const double columnWidth = (body.width() - (columns - 1) * columnGap) / columns;
        const double labelWidth = std::round(columnWidth * labelShare);
        const double valueWidth = columnWidth - labelWidth - 4;
        struct Pair {
            QStringList label;
            QStringList value;
            double height;
        };
        std::vector<Pair> pairs;
        for (const PackageField& field : fields) {
            Pair pair{Wrap(face, field.label, labelWidth, 2), Wrap(face, field.value, valueWidth, 2), 0};
            pair.height =
                face.line * std::max<qsizetype>(1, std::max(pair.label.size(), pair.value.size())) + 2 * kRowPad;
            pairs.push_back(std::move(pair));
        }
        const double moreHeight = sheet.type[Style::Small].line;
        // the most rows whose pairs fit, with the "more" line when some are left out
        std::size_t rows = (pairs.size() + columns - 1) / columns;
        std::size_t shown = pairs.size();
        std::vector<double> rowHeights;
        for (;; --rows) {
            shown = std::min(pairs.size(), rows * columns);
            rowHeights.assign(rows, 0);
            double total = shown < pairs.size() ? moreHeight : 0;
            for (std::size_t i = 0; i < shown; ++i)
                rowHeights[i % rows] = std::max(rowHeights[i % rows], pairs[i].height);
            for (double h : rowHeights)
                total += h;
            if (total <= body.height() || rows == 0)
                break;
        }
        double y = body.top();
        for (std::size_t r = 0; r < rows; ++r) {
            if (r > 0)
                sheet.Rule(QPointF(body.left(), y), QPointF(body.right(), y), kLightRule, 0.4);
            for (int c = 0; c < columns; ++c) {
                const std::size_t i = c * rows + r;
                if (i >= shown)
                    break;
                const double left = body.left() + c * (columnWidth + columnGap);
                const std::string n = std::to_string(i);
                sheet.Text(section + ".label." + n, QRectF(left, y + kRowPad, labelWidth, 0), pairs[i].label,
                           Style::Body, kLabelInk);
                sheet.Text(section + ".value." + n, QRectF(left + labelWidth + 4, y + kRowPad, valueWidth, 0),
                           pairs[i].value, Style::Body, kInk);
            }
            y += rowHeights[r];
        }
        y += PlaceMore(sheet, section, titles, pairs.size() - shown, body.left(), y, body.width(), body.bottom() - y);
        return y - body.top();
    };
}

// What the sizing chose, large; or, for a row that could not be sized, why.
Body SelectionBody(const TagPage& page, const TagPageTitles& titles) {
    return [&page, &titles](Sheet& sheet, const QRectF& body) {
        const Typeset& type = sheet.type;
        const Face& label = type[Style::Small];
        if (!page.sized) {
            const Face& large = type[Style::Large];
            double y = body.top();
            y += sheet.Text("selection.notSized", QRectF(body.left(), y, body.width(), 0),
                            {large.Elide(Text(titles.notSized), body.width())}, Style::Large, kFailInk);
            y += 2;
            y += sheet.Text("selection.status", QRectF(body.left(), y, body.width(), 0),
                            Wrap(type[Style::Medium], page.statusText, body.width(), 3), Style::Medium, kInk);
            return y - body.top();
        }
        struct Cell {
            const std::string* label;
            const std::string* value;
            Style style;
            double share;
        };
        std::vector<Cell> cells{{&titles.actuator, &page.actuator, Style::Large, 0.4}};
        if (!page.springSet.empty())
            cells.push_back({&titles.springSet, &page.springSet, Style::Medium, 0.2});
        cells.push_back({&titles.action, &page.action, Style::Medium, 0.2});
        cells.push_back({&titles.margin, &page.weakestMargin, Style::Medium, 0.2});
        double shares = 0;
        for (const Cell& cell : cells)
            shares += cell.share;
        double left = body.left();
        double height = 0;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const double width = body.width() * cells[i].share / shares;
            const double inner = width - (i + 1 < cells.size() ? 8 : 0);
            const std::string n = std::to_string(i);
            double y = body.top();
            y += sheet.Text("selection.label." + n, QRectF(left, y, inner, 0),
                            {label.Elide(Text(*cells[i].label), inner)}, Style::Small, kLabelInk);
            y += sheet.Text("selection.value." + n, QRectF(left, y, inner, 0),
                            Wrap(type[cells[i].style], *cells[i].value, inner, 2), cells[i].style, kInk);
            height = std::max(height, y - body.top());
            if (i > 0)
                sheet.Rule(QPointF(left - 6, body.top()), QPointF(left - 6, body.top() + label.line * 2.6), kLightRule,
                           0.5);
            left += width;
        }
        if (page.status != RowStatus::Ok && !page.statusText.empty()) {
            const double y = body.top() + height + 3;
            height += 3 + sheet.Text("selection.status", QRectF(body.left(), y, body.width(), 0),
                                     Wrap(type[Style::BodyBold], page.statusText, body.width(), 2), Style::BodyBold,
                                     kFailInk);
        }
        return height;
    };
}

// The checked points: the header, a row each, the weakest tinted as the chart rings it.
Body TorquesBody(const TagPage& page, const TagPageTitles& titles) {
    return [&page, &titles](Sheet& sheet, const QRectF& body) {
        const Typeset& type = sheet.type;
        const std::size_t count = std::max<std::size_t>(page.torqueHeader.size(), 1);
        std::vector<std::vector<std::string>> texts;
        for (const TorqueLine& line : page.torques)
            texts.push_back({line.point, line.demand, line.delivered, line.margin});
        std::vector<Column> columns;
        const std::vector<double> widths =
            FitWidths(NaturalWidths(type, page.torqueHeader, texts, count), body.width());
        for (std::size_t c = 0; c < count; ++c)
            columns.push_back({widths[c], c == 0 ? Qt::AlignLeft : Qt::AlignRight});
        const TableRow header = WrapRow(type, page.torqueHeader, columns, 3, Style::SmallBold);
        std::vector<TableRow> rows;
        std::vector<double> heights;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            rows.push_back(
                WrapRow(type, texts[i], columns, 2, page.torques[i].weakest ? Style::BodyBold : Style::Body));
            heights.push_back(rows.back().height);
        }
        if (header.height > body.height())
            return 0.0;
        double y = body.top();
        PlaceRow(sheet, "torques.header", body.left(), y, columns, header, kInk, kBar);
        y += header.height;
        const double moreHeight = type[Style::Small].line;
        const std::size_t fit = RowsThatFit(heights, body.bottom() - y, moreHeight);
        std::vector<std::size_t> shown;
        double used = 0;
        for (std::size_t i = 0; i < fit; ++i) {
            shown.push_back(i);
            used += heights[i];
        }
        // a table cut short still shows its weakest row, in place of the last that fit
        const auto weakest =
            std::find_if(page.torques.begin(), page.torques.end(), [](const TorqueLine& line) { return line.weakest; });
        const std::size_t w = static_cast<std::size_t>(weakest - page.torques.begin());
        if (weakest != page.torques.end() && w >= fit) {
            const double room = body.bottom() - y - moreHeight;
            while (!shown.empty() && used + heights[w] > room) {
                used -= heights[shown.back()];
                shown.pop_back();
            }
            if (used + heights[w] <= room)
                shown.push_back(w);
        }
        for (std::size_t k = 0; k < shown.size(); ++k) {
            const std::size_t i = shown[k];
            const bool weakestRow = page.torques[i].weakest;
            if (k > 0)
                sheet.Rule(QPointF(body.left(), y), QPointF(body.right(), y), kLightRule, 0.4);
            PlaceRow(sheet, "torques.row" + std::to_string(i), body.left(), y, columns, rows[i],
                     weakestRow ? kWeakestInk : kInk, weakestRow ? kWeakestFill : QColor());
            y += rows[i].height;
        }
        y += PlaceMore(sheet, "torques", titles, rows.size() - shown.size(), body.left(), y, body.width(),
                       body.bottom() - y);
        return y - body.top();
    };
}

QString MarkText(const TagPageTitles& titles, CheckMark mark) {
    switch (mark) {
    case CheckMark::Pass:
        return QStringLiteral("✓ ") + Text(titles.pass);
    case CheckMark::Fail:
        return QStringLiteral("✗ ") + Text(titles.fail);
    case CheckMark::NotChecked:
        break;
    case CheckMark::Info:
        return {}; // a value the list asked for, with nothing to pass or fail
    }
    return QStringLiteral("– ") + Text(titles.notChecked);
}

QColor MarkInk(CheckMark mark) {
    switch (mark) {
    case CheckMark::Pass:
        return kPassInk;
    case CheckMark::Fail:
        return kFailInk;
    case CheckMark::NotChecked:
    case CheckMark::Info:
        break;
    }
    return kMutedInk;
}

// Each check with its mark, then the row's warnings.
Body ChecksBody(const TagPage& page, const TagPageTitles& titles) {
    return [&page, &titles](Sheet& sheet, const QRectF& body) {
        const Typeset& type = sheet.type;
        const Face& bold = type[Style::SmallBold];
        double markWidth = 0;
        for (CheckMark mark : {CheckMark::Pass, CheckMark::Fail, CheckMark::NotChecked})
            markWidth = std::max(markWidth, bold.Width(MarkText(titles, mark)));
        markWidth = std::min(markWidth + 2 * kCellPad + 1, body.width() * 0.3);
        const double rest = body.width() - markWidth;
        const std::vector<Column> columns{{rest * 0.36, Qt::AlignLeft},
                                          {rest * 0.36, Qt::AlignLeft},
                                          {rest * 0.28, Qt::AlignLeft},
                                          {markWidth, Qt::AlignLeft}};
        // the checks, the warnings' heading and the warnings, as rows of one list
        struct Row {
            TableRow table;
            const CheckLine* check = nullptr;
            QStringList text;
            bool heading = false;
        };
        std::vector<Row> rows;
        for (const CheckLine& check : page.checks) {
            Row row{WrapRow(type, {check.name, check.value, check.limit, MarkText(titles, check.mark).toStdString()},
                            columns, 1, Style::Body, {Style::Body, Style::Body, Style::Body, Style::SmallBold}),
                    &check,
                    {},
                    false};
            // name and value may take two lines; the mark is one word and never wraps
            for (std::size_t c = 0; c < 3; ++c)
                row.table.cells[c] = Wrap(type[Style::Body],
                                          c == 0   ? check.name
                                          : c == 1 ? check.value
                                                   : check.limit,
                                          columns[c].width - 2 * kCellPad, 2);
            qsizetype lines = 1;
            for (const QStringList& cell : row.table.cells)
                lines = std::max(lines, cell.size());
            row.table.height = type[Style::Body].line * lines + 2 * kCellPad;
            row.table.inks = {QColor(), QColor(), kLabelInk, MarkInk(check.mark)};
            rows.push_back(std::move(row));
        }
        const Face& small = type[Style::Small];
        if (!page.warnings.empty() && !page.checks.empty()) {
            Row heading;
            heading.heading = true;
            heading.text = QStringList{bold.Elide(Text(titles.warnings), body.width())};
            heading.table.height = bold.line + 4;
            rows.push_back(std::move(heading));
        }
        const double bullet = small.Width(QStringLiteral("• "));
        for (const std::string& warning : page.warnings) {
            Row row;
            row.text = Wrap(small, warning, body.width() - bullet, 2);
            row.table.height = small.line * std::max<qsizetype>(1, row.text.size()) + 1;
            rows.push_back(std::move(row));
        }
        std::vector<double> heights;
        for (const Row& row : rows)
            heights.push_back(row.table.height);
        std::size_t shown = RowsThatFit(heights, body.height(), small.line);
        if (shown > 0 && rows[shown - 1].heading && shown < rows.size())
            --shown; // a heading with none of its warnings under it
        double y = body.top();
        std::size_t warning = 0;
        for (std::size_t i = 0; i < shown; ++i) {
            const Row& row = rows[i];
            if (row.check) {
                if (i > 0)
                    sheet.Rule(QPointF(body.left(), y), QPointF(body.right(), y), kLightRule, 0.4);
                PlaceRow(sheet, "checks.row" + std::to_string(i), body.left(), y, columns, row.table, kInk);
            } else if (row.heading) {
                sheet.Text("checks.warningsTitle", QRectF(body.left(), y + 4, body.width(), 0), row.text,
                           Style::SmallBold, kInk);
            } else {
                const std::string n = std::to_string(warning++);
                sheet.Text("checks.bullet" + n, QRectF(body.left(), y, bullet, 0), {QStringLiteral("•")}, Style::Small,
                           kWarningInk);
                sheet.Text("checks.warning" + n, QRectF(body.left() + bullet, y, body.width() - bullet, 0), row.text,
                           Style::Small, kWarningInk);
            }
            y += row.table.height;
        }
        const std::size_t hidden =
            std::count_if(rows.begin() + shown, rows.end(), [](const Row& row) { return !row.heading; });
        y += PlaceMore(sheet, "checks", titles, hidden, body.left(), y, body.width(), body.bottom() - y);
        return y - body.top();
    };
}

// The chart at its proportion, as large as the body's width and cap allow up to a width
// where its type (which grows with it) stays near the page's, centred.
Body ChartBody() {
    return [](Sheet& sheet, const QRectF& body) {
        double width = std::min(body.width(), kChartWidest);
        double height = width * kChartRatio;
        if (height > body.height()) {
            height = body.height();
            width = height / kChartRatio;
        }
        sheet.Chart("chart.plot", QRectF(body.left() + (body.width() - width) / 2, body.top(), width, height));
        return height;
    };
}

// The chart is drawn in units that make its type (9 units at least) about 7.5 pt in a small
// box and 8 pt in the widest.
double ChartUnits(double width) {
    return std::min(378.0, width * 1.2);
}

// The foot: the notes, a few lines, and the place at the right.
double PlaceFoot(Sheet& sheet, const PackageFrame& frame, const QRectF& rect) {
    const Typeset& type = sheet.type;
    const Face& small = type[Style::Small];
    const double placeWidth =
        frame.place.empty() ? 0 : std::min(rect.width() * 0.3, small.Width(Text(frame.place)) + 2);
    const double notesWidth = rect.width() - placeWidth - (placeWidth > 0 ? 12 : 0);
    double y = rect.top() + 3;
    sheet.Rule(QPointF(rect.left(), rect.top()), QPointF(rect.right(), rect.top()), kFrame, 0.6);
    if (!frame.notes.empty()) {
        y += sheet.Text("foot.title", QRectF(rect.left(), y, notesWidth, 0),
                        {type[Style::SmallBold].Elide(Text(frame.titles.notes), notesWidth)}, Style::SmallBold, kInk);
        std::vector<QStringList> notes;
        std::vector<double> heights;
        for (const std::string& note : frame.notes) {
            notes.push_back(Wrap(small, note, notesWidth, 2));
            heights.push_back(small.line * std::max<qsizetype>(1, notes.back().size()));
        }
        const std::size_t shown = RowsThatFit(heights, small.line * 4, small.line);
        for (std::size_t i = 0; i < shown; ++i)
            y += sheet.Text("foot.note" + std::to_string(i), QRectF(rect.left(), y, notesWidth, 0), notes[i],
                            Style::Small, kInk);
        y += PlaceMore(sheet, "foot", frame.titles, notes.size() - shown, rect.left(), y, notesWidth, small.line);
    }
    if (placeWidth > 0) {
        const double placeTop = std::max(rect.top() + 3, y - small.line);
        sheet.Text("foot.place", QRectF(rect.right() - placeWidth, placeTop, placeWidth, 0),
                   {small.Elide(Text(frame.place), placeWidth)}, Style::Small, kInk, Qt::AlignRight);
        y = std::max(y, placeTop + small.line);
    }
    const double height = y - rect.top() + 1;
    if (rect.height() < kUnlimited)
        sheet.Section("foot", QRectF(rect.left(), rect.top(), rect.width(), height), false);
    return height;
}

double FootHeight(const Typeset& type, const PackageFrame& frame, double width) {
    if (frame.notes.empty() && frame.place.empty())
        return 0;
    Sheet scratch(type);
    return PlaceFoot(scratch, frame, QRectF(0, 0, width, kUnlimited));
}

// Heights for bands that would like natural and can live with least: all they like when
// there is room, otherwise least and the rest of the room in proportion to what they miss.
std::vector<double> ShareHeights(const std::vector<double>& natural, const std::vector<double>& least, double room) {
    double wanted = 0;
    double needed = 0;
    for (std::size_t i = 0; i < natural.size(); ++i) {
        wanted += natural[i];
        needed += least[i];
    }
    std::vector<double> heights = natural;
    if (wanted <= room)
        return heights;
    if (needed >= room) {
        for (std::size_t i = 0; i < heights.size(); ++i)
            heights[i] = needed > 0 ? least[i] * room / needed : 0;
        return heights;
    }
    const double spare = room - needed;
    for (std::size_t i = 0; i < heights.size(); ++i)
        heights[i] = least[i] + (natural[i] - least[i]) * spare / (wanted - needed);
    return heights;
}

std::vector<Item> TagItems(const Typeset& type, const PackageFrame& frame, const TagPage& page, int number, int count,
                           PaperKind paper) {
    Sheet sheet(type);
    const TagPageTitles& titles = frame.titles;
    const QRectF area = PrintableArea(paper);
    double top = PlaceTitleBlock(sheet, frame, &page.tag, PageText(frame, number, count), area) + kGap;
    double bottom = area.bottom();
    if (const double foot = FootHeight(type, frame, area.width()); foot > 0) {
        PlaceFoot(sheet, frame, QRectF(area.left(), bottom - foot, area.width(), foot));
        bottom -= foot + kGap;
    }

    Block selection{"selection", Text(titles.selection), SelectionBody(page, titles)};
    // its texts are capped at a few lines, so the selection always has its natural height
    const double selectionHeight = NaturalHeight(type, selection, area.width());
    const QRectF selectionBox(area.left(), top, area.width(), selectionHeight);
    PlaceBlock(sheet, selection, selectionBox);
    FrameBlock(sheet, selection, selectionBox);
    top += selectionHeight + kGap;

    // the bands under the selection, a section alone or two side by side, and the chart
    // in what they leave; sections with nothing to show are left out
    std::vector<std::vector<Block>> bands;
    if (!page.valve.empty())
        bands.push_back({{"valve", Text(titles.valve), PairsBody("valve", page.valve, titles)}});
    std::vector<Block> middle;
    if (!page.conditions.empty())
        middle.push_back({"conditions", Text(titles.conditions), PairsBody("conditions", page.conditions, titles, 8)});
    if (page.sized && !page.torques.empty())
        middle.push_back({"torques", Text(titles.torques), TorquesBody(page, titles)});
    if (!middle.empty())
        bands.push_back(std::move(middle));
    if (!page.checks.empty() || !page.warnings.empty())
        bands.push_back(
            {{"checks", Text(page.checks.empty() ? titles.warnings : titles.checks), ChecksBody(page, titles)}});
    const Block chart{"chart", Text(titles.chart), ChartBody(), true};

    const double width = area.width();
    const double half = (width - kGap) / 2;
    // the chart is at least half the page wide
    const double chartLeast = page.chart ? Chrome(chart) + std::min(half, kChartWidest) * kChartRatio + kGap : 0;
    std::vector<double> natural, least;
    for (const auto& band : bands) {
        double most = 0, fewest = 0;
        for (const Block& block : band) {
            const double h = NaturalHeight(type, block, band.size() > 1 ? half : width);
            most = std::max(most, h);
            fewest = std::max(fewest, std::min(h, Chrome(block) + type[Style::Body].line * 4 + 8));
        }
        natural.push_back(most);
        least.push_back(fewest);
    }
    const double room = std::max(0.0, bottom - top - chartLeast - kGap * (bands.empty() ? 0 : bands.size() - 1));
    std::vector<double> caps = ShareHeights(natural, least, room);
    // a band lays out whole rows, so it may use less than its share: what is left goes to the
    // first band that was cut short
    const auto placeBand = [&](Sheet& on, const std::vector<Block>& band, double at, double cap) {
        double used = 0;
        std::vector<QRectF> boxes;
        for (std::size_t k = 0; k < band.size(); ++k) {
            const QRectF box(area.left() + k * (half + kGap), at, band.size() > 1 ? half : width, cap);
            used = std::max(used, PlaceBlock(on, band[k], box));
            boxes.push_back(box);
        }
        for (std::size_t k = 0; k < band.size(); ++k) {
            boxes[k].setHeight(used);
            FrameBlock(on, band[k], boxes[k]);
        }
        return used;
    };
    const auto dryRun = [&](std::size_t b) {
        Sheet scratch(type);
        return placeBand(scratch, bands[b], 0, caps[b]);
    };
    std::vector<double> used;
    for (std::size_t b = 0; b < bands.size(); ++b)
        used.push_back(dryRun(b));
    for (std::size_t b = 0; b < bands.size(); ++b) {
        double spare = room;
        for (double h : used)
            spare -= h;
        if (spare > 1 && used[b] < natural[b]) {
            caps[b] = std::min(natural[b], used[b] + spare);
            used[b] = dryRun(b);
        }
    }
    for (std::size_t b = 0; b < bands.size(); ++b)
        top += placeBand(sheet, bands[b], top, caps[b]) + kGap;
    if (page.chart) {
        QRectF box(area.left(), top, width, std::max(0.0, bottom - top));
        box.setHeight(PlaceBlock(sheet, chart, box));
        FrameBlock(sheet, chart, box);
    }
    return std::move(sheet.items);
}

// ---------------------------------------------------------------------------------------
// The cover.

// A footer of its own: the place at the left, the page at the right.
double PlaceFooter(Sheet& sheet, const PackageFrame& frame, const QString& pageText, const QRectF& area) {
    const Face& small = sheet.type[Style::Small];
    const double height = small.line + 4;
    const double top = area.bottom() - height;
    sheet.Rule(QPointF(area.left(), top), QPointF(area.right(), top), kFrame, 0.6);
    const double pageWidth = std::min(area.width() * 0.4, small.Width(QStringLiteral("%1 9999 9999").arg(pageText)));
    const double placeWidth = area.width() - pageWidth - 12;
    sheet.Text("footer.place", QRectF(area.left(), top + 3, placeWidth, 0),
               {small.Elide(Text(frame.place), placeWidth)}, Style::Small, kLabelInk);
    sheet.Text("footer.page", QRectF(area.right() - pageWidth, top + 3, pageWidth, 0),
               {small.Elide(pageText, pageWidth)}, Style::Small, kLabelInk, Qt::AlignRight);
    sheet.Section("footer", QRectF(area.left(), top, area.width(), height), false);
    return top;
}

// Lines of small type, one after the other, cut short with "more" where the cap is.
Body LinesBody(const std::string& section, const std::vector<std::string>& lines, const TagPageTitles& titles) {
    return [section, &lines, &titles](Sheet& sheet, const QRectF& body) {
        const Face& small = sheet.type[Style::Small];
        const double bullet = small.Width(QStringLiteral("• "));
        std::vector<QStringList> wrapped;
        std::vector<double> heights;
        for (const std::string& line : lines) {
            wrapped.push_back(Wrap(small, line, body.width() - bullet, 2));
            heights.push_back(small.line * std::max<qsizetype>(1, wrapped.back().size()) + 1);
        }
        const std::size_t shown = RowsThatFit(heights, body.height(), small.line);
        double y = body.top();
        for (std::size_t i = 0; i < shown; ++i) {
            const std::string n = std::to_string(i);
            sheet.Text(section + ".bullet" + n, QRectF(body.left(), y, bullet, 0), {QStringLiteral("•")}, Style::Small,
                       kLabelInk);
            sheet.Text(section + ".line" + n, QRectF(body.left() + bullet, y, body.width() - bullet, 0), wrapped[i],
                       Style::Small, kInk);
            y += heights[i];
        }
        y += PlaceMore(sheet, section, titles, lines.size() - shown, body.left(), y, body.width(), body.bottom() - y);
        return y - body.top();
    };
}

// The project's fields as large values under small labels, two to a row.
Body ProjectBody(const PackageFrame& frame) {
    return [&frame](Sheet& sheet, const QRectF& body) {
        const Face& label = sheet.type[Style::Small];
        const Face& value = sheet.type[Style::CoverValue];
        const double columnWidth = (body.width() - 12) / 2;
        double y = body.top();
        for (std::size_t i = 0; i < frame.projectFields.size(); i += 2) {
            double rowHeight = 0;
            for (std::size_t k = i; k < std::min(i + 2, frame.projectFields.size()); ++k) {
                const double left = body.left() + (k - i) * (columnWidth + 12);
                const std::string n = std::to_string(k);
                double h =
                    sheet.Text("project.label." + n, QRectF(left, y, columnWidth, 0),
                               {label.Elide(Text(frame.projectFields[k].label), columnWidth)}, Style::Small, kLabelInk);
                h += sheet.Text("project.value." + n, QRectF(left, y + h, columnWidth, 0),
                                Wrap(value, frame.projectFields[k].value, columnWidth, 2), Style::CoverValue, kInk);
                rowHeight = std::max(rowHeight, h);
            }
            y += rowHeight + 5;
        }
        return std::max(0.0, y - body.top() - 5);
    };
}

std::vector<Item> CoverItems(const Typeset& type, const PackageFrame& frame, const PackageCover& cover, int count,
                             PaperKind paper) {
    Sheet sheet(type);
    const QRectF area = PrintableArea(paper);
    const TagPageTitles& titles = frame.titles;

    // the title, large, over a heavy rule, with the program under it
    const Face& big = type[Style::CoverTitle];
    double y = area.top() + 24;
    const double titleTop = area.top();
    y += sheet.Text("title.name", QRectF(area.left(), y, area.width(), 0), Wrap(big, frame.title, area.width(), 2),
                    Style::CoverTitle, kBand);
    y += 4;
    sheet.Fill("title.rule", QRectF(area.left(), y, area.width(), 2.5), kBand);
    y += 6;
    y += sheet.Text("title.program", QRectF(area.left(), y, area.width(), 0),
                    {type[Style::Body].Elide(Text(frame.program), area.width())}, Style::Body, kLabelInk);
    sheet.Section("title", QRectF(area.left(), titleTop, area.width(), y - titleTop), false);
    y += 18;

    const double footerTop = PlaceFooter(sheet, frame, PageText(frame, 1, count), area);
    // the project in full, the list and the counts up to a few lines, the assumptions in the rest
    std::vector<std::pair<Block, double>> blocks;
    if (!frame.projectFields.empty())
        blocks.push_back({{"project", QString(), ProjectBody(frame)}, kUnlimited});
    if (!cover.list.empty())
        blocks.push_back({{"list", Text(cover.listTitle), PairsBody("list", cover.list, titles, 1000, 0.25)}, 170});
    if (!cover.counts.empty())
        blocks.push_back({{"counts", Text(cover.countsTitle), PairsBody("counts", cover.counts, titles, 4)}, 120});
    if (!cover.assumptions.empty())
        blocks.push_back(
            {{"assumptions", Text(cover.assumptionsTitle), LinesBody("assumptions", cover.assumptions, titles)},
             kUnlimited});
    for (const auto& [block, most] : blocks) {
        QRectF box(area.left(), y, area.width(), std::min(most, std::max(0.0, footerTop - kGap - y)));
        box.setHeight(PlaceBlock(sheet, block, box));
        FrameBlock(sheet, block, box);
        y = box.bottom() + 10;
    }
    return std::move(sheet.items);
}

// ---------------------------------------------------------------------------------------
// The summary pages: the summary table, which is the index, and the bill of materials after
// it, each with its header on every page it runs over.

constexpr std::size_t kSummaryColumns = 6;

std::vector<std::string> SummaryTexts(const SummaryLine& line) {
    return {line.tag,    line.actuator, line.springSet,
            line.margin, line.status,   line.page > 0 ? std::to_string(line.page) : std::string()};
}

QColor StatusInk(RowStatus status) {
    switch (status) {
    case RowStatus::Ok:
        return kInk;
    case RowStatus::CheckFailed:
        return kWarningInk;
    case RowStatus::NoFit:
    case RowStatus::Error:
        break;
    }
    return kFailInk;
}

// A summary line as a row: a status other than ok in bold and colour.
TableRow SummaryRow(const Typeset& type, const SummaryLine& line, const std::vector<Column>& columns) {
    const bool ok = line.statusKind == RowStatus::Ok;
    TableRow row = WrapRow(type, SummaryTexts(line), columns, 2, Style::Body,
                           {Style::Body, Style::Body, Style::Body, Style::Body, ok ? Style::Body : Style::BodyBold});
    if (!ok)
        row.inks = {QColor(), QColor(), QColor(), QColor(), StatusInk(line.statusKind)};
    return row;
}

struct Table {
    std::vector<Column> columns;
    TableRow header;
    std::vector<double> heights;
};

struct SummaryPlan {
    Table lines;
    Table materials;
    double bodyTop = 0;
    double bodyBottom = 0;
    struct Page {
        std::size_t lineBegin = 0, lineEnd = 0;
        std::size_t materialBegin = 0, materialEnd = 0;
    };
    std::vector<Page> pages;
};

SummaryPlan PlanSummary(const Typeset& type, const PackageFrame& frame, const PackageCover& cover, PaperKind paper) {
    SummaryPlan plan;
    const QRectF area = PrintableArea(paper);
    const double width = area.width() - 2 * kPad;
    {
        Sheet scratch(type);
        plan.bodyTop = PlaceTitleBlock(scratch, frame, nullptr, QStringLiteral("0"), area) + kGap;
    }
    plan.bodyBottom = area.bottom();

    // the page column is as wide as its header or the largest page number there can be
    std::vector<std::vector<std::string>> texts;
    texts.reserve(cover.lines.size() + 1);
    for (const SummaryLine& line : cover.lines)
        texts.push_back(SummaryTexts(line));
    texts.push_back({"", "", "", "", "", "99999"});
    std::vector<double> widths = FitWidths(NaturalWidths(type, cover.summaryHeader, texts, kSummaryColumns), width);
    for (std::size_t c = 0; c < kSummaryColumns; ++c)
        plan.lines.columns.push_back({widths[c], c == 3 || c == 5 ? Qt::AlignRight : Qt::AlignLeft});
    texts.pop_back();
    plan.lines.header = WrapRow(type, cover.summaryHeader, plan.lines.columns, 2, Style::SmallBold);
    for (const SummaryLine& line : cover.lines)
        plan.lines.heights.push_back(SummaryRow(type, line, plan.lines.columns).height);

    const std::size_t materialColumns = std::max<std::size_t>(cover.materialsHeader.size(), 1);
    widths = FitWidths(NaturalWidths(type, cover.materialsHeader, cover.materials, materialColumns), width);
    for (std::size_t c = 0; c < materialColumns; ++c)
        plan.materials.columns.push_back(
            {widths[c], c + 1 == materialColumns && materialColumns > 1 ? Qt::AlignRight : Qt::AlignLeft});
    plan.materials.header = WrapRow(type, cover.materialsHeader, plan.materials.columns, 2, Style::SmallBold);
    for (const auto& row : cover.materials)
        plan.materials.heights.push_back(WrapRow(type, row, plan.materials.columns, 2, Style::Body).height);

    // rows down the page; a table starts on a page only with its header and a row, and the
    // bill of materials follows the summary on the same page when it has room
    SummaryPlan::Page page;
    double y = plan.bodyTop;
    const double bottom = plan.bodyBottom;
    auto next = [&]() {
        plan.pages.push_back(page);
        page.lineBegin = page.lineEnd;
        page.materialBegin = page.materialEnd;
        y = plan.bodyTop;
    };
    auto run = [&](const Table& table, std::size_t& begin, std::size_t& end) {
        for (double height : table.heights) {
            const bool empty = page.lineEnd == page.lineBegin && page.materialEnd == page.materialBegin;
            double needs = height + kPad + (end == begin ? kBarHeight + kPad + table.header.height : 0);
            if (y + needs > bottom && !empty) {
                next();
                needs = height + kPad + kBarHeight + kPad + table.header.height;
            }
            y += needs - kPad;
            ++end;
        }
        if (end > begin)
            y += kPad + 2 * kGap;
    };
    run(plan.lines, page.lineBegin, page.lineEnd);
    run(plan.materials, page.materialBegin, page.materialEnd);
    if (page.lineEnd > page.lineBegin || page.materialEnd > page.materialBegin)
        plan.pages.push_back(page);
    return plan;
}

// One table's run on a page: its frame and title bar, its header and its rows from first to end.
template <typename RowAt>
double PlaceTableRun(Sheet& sheet, const std::string& name, const QString& title, const Table& table, double x,
                     double y, double width, std::size_t first, std::size_t end, const RowAt& rowAt) {
    const double top = y;
    const Block block{name, title, {}};
    y += kBarHeight + kPad;
    PlaceRow(sheet, name + ".header", x + kPad, y, table.columns, table.header, kInk, kBar);
    y += table.header.height;
    for (std::size_t i = first; i < end; ++i) {
        y += rowAt(i, x + kPad, y, (i - first) % 2 == 1);
    }
    const QRectF box(x, top, width, y + kPad - top);
    FrameBlock(sheet, block, box);
    return box.bottom();
}

std::vector<Item> SummaryItems(const Typeset& type, const PackageFrame& frame, const PackageCover& cover,
                               const SummaryPlan& plan, std::size_t index, int number, int count, PaperKind paper) {
    Sheet sheet(type);
    if (index >= plan.pages.size())
        return {};
    const QRectF area = PrintableArea(paper);
    PlaceTitleBlock(sheet, frame, nullptr, PageText(frame, number, count), area);
    const SummaryPlan::Page& page = plan.pages[index];
    double y = plan.bodyTop;
    if (page.lineEnd > page.lineBegin) {
        const auto row = [&](std::size_t i, double x, double top, bool stripe) {
            PlaceRow(sheet, "summary.row" + std::to_string(i), x, top, plan.lines.columns,
                     SummaryRow(type, cover.lines[i], plan.lines.columns), kInk, stripe ? kStripe : QColor());
            return plan.lines.heights[i];
        };
        y = PlaceTableRun(sheet, "summary", Text(cover.summaryTitle), plan.lines, area.left(), y, area.width(),
                          page.lineBegin, page.lineEnd, row);
        y += kGap * 2;
    }
    if (page.materialEnd > page.materialBegin) {
        const auto row = [&](std::size_t i, double x, double top, bool stripe) {
            PlaceRow(sheet, "materials.row" + std::to_string(i), x, top, plan.materials.columns,
                     WrapRow(type, cover.materials[i], plan.materials.columns, 2, Style::Body), kInk,
                     stripe ? kStripe : QColor());
            return plan.materials.heights[i];
        };
        PlaceTableRun(sheet, "materials", Text(cover.materialsTitle), plan.materials, area.left(), y, area.width(),
                      page.materialBegin, page.materialEnd, row);
    }
    return std::move(sheet.items);
}

// ---------------------------------------------------------------------------------------
// Drawing: fills, then the chart, then rules and frames, then the text over all of them.

void DrawItems(QPainter& painter, const QTransform& base, const Typeset& type, const std::vector<Item>& items,
               const TorqueChartData* chart) {
    painter.setTransform(base);
    painter.setPen(Qt::NoPen);
    for (const Item& item : items)
        if (item.kind == ItemKind::Fill)
            painter.fillRect(item.box.rect, item.colour);
    for (const Item& item : items)
        if (item.kind == ItemKind::Chart && chart) {
            painter.save();
            painter.translate(item.box.rect.topLeft());
            const double units = ChartUnits(item.box.rect.width());
            const double scale = item.box.rect.width() / units;
            painter.scale(scale, scale);
            DrawTorqueChart(painter, QRectF(0, 0, units, units * kChartRatio), *chart);
            painter.restore();
        }
    painter.setBrush(Qt::NoBrush);
    for (const Item& item : items) {
        if (item.kind == ItemKind::Rule) {
            painter.setPen(QPen(item.colour, item.pen, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(item.line);
        } else if (item.kind == ItemKind::Section && item.colour.isValid()) {
            painter.setPen(QPen(item.colour, item.pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.drawRect(item.box.rect);
        }
    }
    Style current = Style::Count;
    for (const Item& item : items) {
        if (item.kind != ItemKind::Text)
            continue;
        if (item.style != current) {
            current = item.style;
            painter.setFont(type[current].font);
        }
        painter.setPen(item.colour);
        for (const PlacedText& line : item.lines) {
            QTransform at = base;
            at.translate(line.baseline.x(), line.baseline.y());
            at.scale(1 / kTextScale, 1 / kTextScale);
            painter.setTransform(at);
            painter.drawText(QPointF(0, 0), line.text);
        }
    }
    painter.setTransform(base);
}

std::vector<PackageBox> Boxes(const std::vector<Item>& items) {
    std::vector<PackageBox> boxes;
    for (const Item& item : items)
        if (item.kind != ItemKind::Rule)
            boxes.push_back(item.box);
    return boxes;
}

QPageLayout PageLayoutOf(PaperKind paper) {
    return QPageLayout(QPageSize(paper == PaperKind::Letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                       QPageLayout::Millimeter);
}

// Points on the page to the device's units: the device's origin is the top left of the area
// inside its margins.
QTransform DeviceTransform(const QPagedPaintDevice& device) {
    const QRectF paint = device.pageLayout().paintRect(QPageLayout::Point);
    QTransform transform;
    transform.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    transform.translate(-paint.left(), -paint.top());
    return transform;
}

QImage PageImage(PaperKind paper, double dotsPerInch, QTransform& base) {
    const QRectF sheet = PaperRect(paper);
    const double scale = dotsPerInch / 72;
    QImage image(
        QSize(static_cast<int>(std::ceil(sheet.width() * scale)), static_cast<int>(std::ceil(sheet.height() * scale))),
        QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    base = QTransform::fromScale(scale, scale);
    return image;
}

QString XmlText(const std::string& text) {
    return Text(text).toHtmlEscaped();
}

// The XMP packet that carries what the PDF's own fields do not: the author and the subject.
QByteArray XmpPacket(const PackageMetadata& metadata, const QString& title, const QString& creator) {
    QString xmp = QStringLiteral("<?xpacket begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                                 "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                                 " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                                 "  <rdf:Description rdf:about=\"\"\n"
                                 "    xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
                                 "    xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
                                 "   <dc:format>application/pdf</dc:format>\n");
    xmp += QStringLiteral("   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>\n")
               .arg(title.toHtmlEscaped());
    if (!metadata.author.empty())
        xmp += QStringLiteral("   <dc:creator><rdf:Seq><rdf:li>%1</rdf:li></rdf:Seq></dc:creator>\n")
                   .arg(XmlText(metadata.author));
    if (!metadata.subject.empty())
        xmp +=
            QStringLiteral(
                "   <dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:description>\n")
                .arg(XmlText(metadata.subject));
    xmp += QStringLiteral("   <xmp:CreatorTool>%1</xmp:CreatorTool>\n").arg(creator.toHtmlEscaped());
    xmp += QStringLiteral("  </rdf:Description>\n </rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>");
    return xmp.toUtf8();
}

} // namespace

PaperKind PaperForTerritory(QLocale::Territory territory) {
    return territory == QLocale::UnitedStates || territory == QLocale::Canada ? PaperKind::Letter : PaperKind::A4;
}

PaperKind DefaultPaper() {
    return PaperForTerritory(QLocale::system().territory());
}

QRectF PaperRect(PaperKind paper) {
    const QSizeF size =
        QPageSize::size(paper == PaperKind::Letter ? QPageSize::Letter : QPageSize::A4, QPageSize::Point);
    return QRectF(QPointF(0, 0), size);
}

QRectF PrintableArea(PaperKind paper) {
    return PaperRect(paper).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

std::vector<PackageBox> LayoutTagPage(const PackageFrame& frame, const TagPage& page, PaperKind paper) {
    const Typeset type;
    return Boxes(TagItems(type, frame, page, 1, 1, paper));
}

std::vector<PackageBox> LayoutCoverPage(const PackageFrame& frame, const PackageCover& cover, PaperKind paper) {
    const Typeset type;
    return Boxes(CoverItems(type, frame, cover, 1, paper));
}

std::vector<PackageBox> LayoutSummaryPage(const PackageFrame& frame, const PackageCover& cover, int summaryPage,
                                          PaperKind paper) {
    const Typeset type;
    const SummaryPlan plan = PlanSummary(type, frame, cover, paper);
    if (summaryPage < 0)
        return {};
    return Boxes(SummaryItems(type, frame, cover, plan, static_cast<std::size_t>(summaryPage), summaryPage + 2,
                              summaryPage + 2, paper));
}

int SummaryPageCount(const PackageFrame& frame, const PackageCover& cover, PaperKind paper) {
    const Typeset type;
    return static_cast<int>(PlanSummary(type, frame, cover, paper).pages.size());
}

int PlanPackage(PackageSource& source, PaperKind paper) {
    const int summaryPages = SummaryPageCount(source.frame, source.cover, paper);
    const int firstTag = 2 + summaryPages;
    for (std::size_t i = 0; i < source.cover.lines.size(); ++i)
        source.cover.lines[i].page = i < source.tagCount ? firstTag + static_cast<int>(i) : 0;
    return 1 + summaryPages + static_cast<int>(source.tagCount);
}

bool RenderPackage(QPagedPaintDevice& device, const PackageSource& source, PaperKind paper,
                   const PackageProgress& progress) {
    device.setPageLayout(PageLayoutOf(paper));
    const Typeset type;
    const SummaryPlan plan = PlanSummary(type, source.frame, source.cover, paper);
    const int summaryPages = static_cast<int>(plan.pages.size());
    const int count = 1 + summaryPages + static_cast<int>(source.tagCount);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QTransform base = DeviceTransform(device);
    DrawItems(painter, base, type, CoverItems(type, source.frame, source.cover, count, paper), nullptr);
    for (int p = 0; p < summaryPages; ++p) {
        if (!device.newPage()) {
            painter.end();
            return false;
        }
        DrawItems(
            painter, base, type,
            SummaryItems(type, source.frame, source.cover, plan, static_cast<std::size_t>(p), 2 + p, count, paper),
            nullptr);
    }
    for (std::size_t i = 0; i < source.tagCount; ++i) {
        if (progress && !progress(i)) {
            painter.end();
            return false;
        }
        const TagPage page = source.tagAt(i);
        if (!device.newPage()) {
            painter.end();
            return false;
        }
        const int number = 2 + summaryPages + static_cast<int>(i);
        DrawItems(painter, base, type, TagItems(type, source.frame, page, number, count, paper),
                  page.chart ? &*page.chart : nullptr);
    }
    return painter.end();
}

bool WritePackagePdf(const QString& fileName, PackageSource& source, PaperKind paper, QString& error,
                     const PackageProgress& progress) {
    PlanPackage(source, paper);
    const QString title = Text(source.metadata.title.empty() ? source.frame.title : source.metadata.title);
    const QString creator = Text(source.metadata.creator.empty() ? source.frame.program : source.metadata.creator);
    return WritePdfInPlace(fileName, error, [&](QPdfWriter& pdf, bool& stopped) {
        const PackageProgress watch = [&](std::size_t done) {
            stopped = progress && !progress(done);
            return !stopped;
        };
        pdf.setTitle(title);
        pdf.setCreator(creator);
        pdf.setDocumentXmpMetadata(XmpPacket(source.metadata, title, creator));
        pdf.setResolution(1200);
        return RenderPackage(pdf, source, paper, watch);
    });
}

QImage RenderTagPageImage(const PackageFrame& frame, const TagPage& page, int pageNumber, int pageCount,
                          PaperKind paper, double dotsPerInch) {
    QTransform base;
    QImage image = PageImage(paper, dotsPerInch, base);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const Typeset type;
    DrawItems(painter, base, type, TagItems(type, frame, page, pageNumber, pageCount, paper),
              page.chart ? &*page.chart : nullptr);
    return image;
}

QImage RenderCoverPageImage(const PackageFrame& frame, const PackageCover& cover, int pageCount, PaperKind paper,
                            double dotsPerInch) {
    QTransform base;
    QImage image = PageImage(paper, dotsPerInch, base);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const Typeset type;
    DrawItems(painter, base, type, CoverItems(type, frame, cover, pageCount, paper), nullptr);
    return image;
}
