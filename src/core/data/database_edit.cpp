#include "core/data/database_edit.h"

#include "core/text/text_util.h"
#include "core/units/conversions.h"

namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool HoldsNumber(const std::string& text) {
    double value;
    std::size_t used;
    return ParseNumberPrefix(text, value, used);
}

bool SamePage(const ValvePage& a, const ValvePage& b) {
    if (a.number != b.number || a.name != b.name || a.drawingNr != b.drawingNr || a.dataDate != b.dataDate ||
        a.safetyFactor != b.safetyFactor || a.seatFactor != b.seatFactor || a.runFactor != b.runFactor ||
        a.from != b.from || a.sizes.size() != b.sizes.size())
        return false;
    for (std::size_t k = 0; k < a.sizes.size(); ++k)
        if (a.sizes[k].size != b.sizes[k].size || a.sizes[k].torque != b.sizes[k].torque)
            return false;
    return true;
}

} // namespace

std::string ShownFileName(const std::string& fileName) {
    const std::size_t chars = Utf8Length(fileName);
    if (chars <= kShownFileNameChars)
        return fileName;
    // the end of a path says the most: its folder and the file itself
    std::size_t start = 0;
    for (std::size_t skip = chars - kShownFileNameChars; skip > 0; --skip) {
        ++start;
        while (start < fileName.size() && IsContinuation(fileName[start]))
            ++start;
    }
    return "..." + fileName.substr(start);
}

std::string PageNumberText(int index, int pageCount, const std::string& ofWord) {
    return Format("%i %s %i", index + 1, ofWord.c_str(), pageCount);
}

std::string EditorCaption(const std::string& databaseWord, const std::string& sizingWord,
                          const std::string& valveName) {
    return databaseWord + " " + sizingWord + " - " + valveName;
}

std::string SizeText(float size) {
    return Format("%.2f", static_cast<double>(size));
}

std::string TorqueText(float nm, bool imperial) {
    return Format("%.1f", static_cast<double>(imperial ? NmToInLb(nm) : nm));
}

std::string FieldText(const std::string& typed, std::size_t maxChars) {
    // a line break would split the field over two lines of the file and shift every line after it
    const std::size_t lineEnd = typed.find_first_of("\r\n");
    return CutToField(std::string_view(typed).substr(0, lineEnd), maxChars);
}

float FieldValue(float stored, const std::string& shown, const std::string& now) {
    return now == shown ? stored : ParseFloat(now);
}

void ApplyPageFields(ValvePage& page, const PageFields& shown, const PageFields& now) {
    page.drawingNr = FieldText(now.drawingNr, TorqueDatabase::kShortTextChars);
    page.dataDate = FieldText(now.dataDate, TorqueDatabase::kShortTextChars);
    page.from = FieldText(now.from, TorqueDatabase::kShortTextChars);
    page.safetyFactor = FieldValue(page.safetyFactor, shown.safety, now.safety);
    page.seatFactor = FieldValue(page.seatFactor, shown.seat, now.seat);
    page.runFactor = FieldValue(page.runFactor, shown.run, now.run);
}

int AppendPage(TorqueDatabase& db) {
    ValvePage page;
    page.number = db.GetPageCount() + 1;
    db.pages.push_back(page);
    return db.GetPageCount() - 1;
}

int AppendSize(TorqueDatabase& db, int page, const std::string& sizeText, const std::string& torqueText,
               bool imperial) {
    if (page < 0 || page >= db.GetPageCount() || !HoldsNumber(sizeText) || !HoldsNumber(torqueText))
        return -1;
    const float torque = ParseFloat(torqueText);
    std::vector<ValveSize>& sizes = db.pages[static_cast<std::size_t>(page)].sizes;
    sizes.push_back({ParseFloat(sizeText), imperial ? InLbToNm(torque) : torque});
    return static_cast<int>(sizes.size()) - 1;
}

int SameSizeIndex(const TorqueDatabase& db, int page, const std::string& sizeText, const std::string& torqueText) {
    if (page < 0 || page >= db.GetPageCount() || !HoldsNumber(sizeText) || !HoldsNumber(torqueText))
        return -1;
    // sizes are compared as the list shows them: what looks the same is the same
    const std::string typed = SizeText(ParseFloat(sizeText));
    const std::vector<ValveSize>& sizes = db.pages[static_cast<std::size_t>(page)].sizes;
    for (std::size_t k = 0; k < sizes.size(); ++k)
        if (SizeText(sizes[k].size) == typed)
            return static_cast<int>(k);
    return -1;
}

int ReplaceSizeTorque(TorqueDatabase& db, int page, int index, const std::string& torqueText, bool imperial) {
    if (page < 0 || page >= db.GetPageCount() || !HoldsNumber(torqueText))
        return -1;
    std::vector<ValveSize>& sizes = db.pages[static_cast<std::size_t>(page)].sizes;
    if (index < 0 || index >= static_cast<int>(sizes.size()))
        return -1;
    const float torque = ParseFloat(torqueText);
    sizes[static_cast<std::size_t>(index)].torque = imperial ? InLbToNm(torque) : torque;
    return index;
}

bool DeletePageAndRenumber(TorqueDatabase& db, int index) {
    if (!db.DeletePage(index))
        return false;
    for (int k = index; k < db.GetPageCount(); ++k)
        db.pages[static_cast<std::size_t>(k)].number = k + 1;
    return true;
}

WriteCheck CheckBeforeWrite(const TorqueDatabase& db, int& badPage) {
    badPage = -1;
    if (db.pages.empty())
        return WriteCheck::NoPages;
    for (int k = 0; k < db.GetPageCount(); ++k) {
        if (db.pages[static_cast<std::size_t>(k)].sizes.empty()) {
            badPage = k;
            return WriteCheck::PageWithoutSizes;
        }
    }
    return WriteCheck::Ready;
}

DatabaseContent ContentOf(const TorqueDatabase& db) {
    return {db.valveName, db.pages};
}

bool SameContent(const DatabaseContent& saved, const TorqueDatabase& db) {
    if (saved.valveName != db.valveName || saved.pages.size() != db.pages.size())
        return false;
    for (std::size_t k = 0; k < saved.pages.size(); ++k)
        if (!SamePage(saved.pages[k], db.pages[k]))
            return false;
    return true;
}
