// Drawing a sized list's datasheet package: the cover, the summary pages with the index and
// the bill of materials, then one page per tag. The content comes ready-made from the list's
// package (lists/list_package.h); here it is only laid out and drawn. Every page is laid out
// in points by the functions below, and drawing uses exactly their boxes, so a test can check
// that nothing overlaps or leaves the page without looking at pixels.
#pragma once

#include "lists/list_package.h"

#include <QImage>
#include <QLocale>
#include <QRectF>
#include <QString>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class QPagedPaintDevice;

enum class PaperKind { A4, Letter };

// Letter in the United States and Canada, A4 elsewhere; DefaultPaper asks the system's locale.
PaperKind PaperForTerritory(QLocale::Territory territory);
PaperKind DefaultPaper();

// The page's size and the area inside its 15 mm margins, in points from the page's top left.
QRectF PaperRect(PaperKind paper);
QRectF PrintableArea(PaperKind paper);

// A box on a page, in points. Sections are the page's blocks (title block, Valve, Torques ...);
// the other boxes are what is drawn inside one: named "<section>.<item>", they lie inside the
// section of that name.
struct PackageBox {
    std::string name;
    QRectF rect;
    bool section = false;
};

std::vector<PackageBox> LayoutTagPage(const PackageFrame& frame, const TagPage& page, PaperKind paper);
std::vector<PackageBox> LayoutCoverPage(const PackageFrame& frame, const PackageCover& cover, PaperKind paper);
// summaryPage counts from 0 over the summary pages; an index past them gives no boxes.
std::vector<PackageBox> LayoutSummaryPage(const PackageFrame& frame, const PackageCover& cover, int summaryPage,
                                          PaperKind paper);

// The number of pages the summary table and the bill of materials take.
int SummaryPageCount(const PackageFrame& frame, const PackageCover& cover, PaperKind paper);

// Counts the summary pages and numbers the index: the cover is page 1, the summary pages
// follow, then the tag pages in order, line i on tag page i. Returns the package's page count.
int PlanPackage(PackageSource& source, PaperKind paper);

// Called before each tag page with the tag pages done; returning false stops.
using PackageProgress = std::function<bool(std::size_t done)>;

// Draws the cover, the summary pages and the tag pages, each made by source.tagAt as it is
// drawn. Sets the device's page layout to the paper with its margins. The index shows the
// page numbers that PlanPackage gave. False when the device could not be started or progress
// stopped it.
bool RenderPackage(QPagedPaintDevice& device, const PackageSource& source, PaperKind paper,
                   const PackageProgress& progress = {});

// Plans the package and writes it into a PDF file with its title, author, subject and creator,
// beside the target first and renamed over it at the end: a failed or cancelled write leaves
// the old file in place. False with error set (naming the file) on failure; false with error
// empty on a cancel.
bool WritePackagePdf(const QString& fileName, PackageSource& source, PaperKind paper, QString& error,
                     const PackageProgress& progress = {});

// One tag page as an image of the whole sheet, for a preview.
QImage RenderTagPageImage(const PackageFrame& frame, const TagPage& page, int pageNumber, int pageCount,
                          PaperKind paper, double dotsPerInch);
// The cover, the same way.
QImage RenderCoverPageImage(const PackageFrame& frame, const PackageCover& cover, int pageCount, PaperKind paper,
                            double dotsPerInch);
