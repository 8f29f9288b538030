#include "package_samples.h"

#include "core/data/torque_t.h"
#include "core/sizing/sizing.h"

namespace {

// The words of a package in one language, written out here as a translator might, the long
// ones as long as they come.
struct Words {
    TagPageTitles titles;
    const char* tag;
    const char* date;
    const char* pageOf;
    std::vector<std::string> fieldLabels; // project, customer, document, revision, engineer
    std::vector<std::string> torqueHeader;
    std::vector<std::string> points;
    std::vector<std::string> summaryHeader;
    std::vector<std::string> materialsHeader;
    const char* title;
    const char* summary;
    const char* materials;
    const char* assumptions;
    const char* list;
    const char* counts;
    const char* noFit;
};

const Words& WordsOf(SampleLanguage language) {
    static const Words english{{"Valve", "Operating conditions", "Selection", "Torques", "Checks", "Warnings",
                                "Torque chart", "Notes", "Not sized", "Pass", "Fail", "Not checked", "Actuator",
                                "Spring set", "Action", "Weakest margin", "%s more"},
                               "Tag",
                               "Date",
                               "Page %s of %s",
                               {"Project", "Customer", "Document", "Revision", "Engineer"},
                               {"Point", "Demand [Nm]", "Delivered [Nm]", "Margin"},
                               {"Break", "Run (air)", "End (air)", "Break (spring)", "Run (spring)", "Seat (spring)"},
                               {"Tag", "Actuator", "Spring set", "Margin", "Status", "Page"},
                               {"Actuator", "Spring set", "Count"},
                               "Datasheet package",
                               "Summary",
                               "Bill of materials",
                               "Assumptions",
                               "List",
                               "Rows by status",
                               "no actuator of the range delivers the demand at this supply pressure"};
    static const Words dutch{
        {"Klepgegevens en eigen kolommen van de lijst", "Bedrijfsomstandigheden en gebruikte veiligheidsfactoren",
         "Gekozen aandrijving", "Koppels op alle gecontroleerde punten van de slag", "Aanvullende controles",
         "Waarschuwingen", "Koppelverloop over de slag", "Opmerkingen", "Niet gedimensioneerd", "Voldoet",
         "Voldoet niet", "Niet gecontroleerd", "Gekozen aandrijving", "Verenpakket", "Veiligheidsstand",
         "Kleinste koppelreserve", "nog %s"},
        "Kenmerk (tagnummer)",
        "Datum van uitgifte",
        "Pagina %s van %s",
        {"Projectomschrijving", "Opdrachtgever", "Documentnummer", "Revisie", "Verantwoordelijk ingenieur"},
        {"Controlepunt", "Benodigd koppel [Nm]", "Geleverd koppel [Nm]", "Reserve"},
        {"Losbreken", "Lopen (lucht)", "Einde (lucht)", "Losbreken (veer)", "Lopen (veer)", "Zitting (veer)"},
        {"Kenmerk", "Aandrijving", "Verenpakket", "Reserve", "Status", "Pagina"},
        {"Aandrijving", "Verenpakket", "Aantal"},
        "Documentatiepakket met gegevensbladen",
        "Samenvatting en inhoudsopgave",
        "Materiaallijst",
        "Uitgangspunten",
        "Lijst",
        "Regels naar status",
        "geen aandrijving uit de reeks levert het benodigde koppel bij deze voedingsdruk"};
    static const Words german{
        {"Armaturendaten und kundenspezifische Spalten der Armaturenliste",
         "Betriebsbedingungen und verwendete Sicherheitsfaktoren", "Antriebsauswahl",
         "Drehmomentvergleich an allen geprüften Stellungen", "Zusätzliche Prüfungen", "Warnhinweise",
         "Drehmomentverlauf über den Stellweg", "Anmerkungen", "Nicht ausgelegt", "Bestanden", "Nicht bestanden",
         "Nicht geprüft", "Ausgewählter Schwenkantrieb", "Federpaketkonfiguration",
         "Sicherheitsstellung / Wirkungsweise", "Kleinste Drehmomentreserve", "%s weitere"},
        "Messstellen-Kennzeichnung (TAG)",
        "Ausgabedatum",
        "Seite %s von %s",
        {"Projektbezeichnung", "Auftraggeber", "Dokumentennummer", "Revisionsstand", "Verantwortlicher Ingenieur"},
        {"Prüfpunkt", "Drehmomentbedarf der Armatur [Nm]", "Vom Antrieb geliefertes Drehmoment [Nm]", "Reserve [%]"},
        {"Losbrechen", "Laufen (Luft)", "Ende (Luft)", "Losbrechen (Feder)", "Laufen (Feder)", "Sitz (Feder)"},
        {"Messstellen-Kennzeichnung", "Schwenkantrieb", "Federpaket", "Kleinste Reserve", "Auslegungsstatus", "Seite"},
        {"Schwenkantrieb", "Federpaketkonfiguration", "Stückzahl"},
        "Datenblattpaket der Antriebsauslegung",
        "Zusammenfassung und Inhaltsverzeichnis",
        "Stückliste der Antriebe",
        "Annahmen und verwendete Vorgabewerte",
        "Armaturenliste",
        "Zeilen nach Auslegungsstatus",
        "kein Antrieb der Baureihe liefert das geforderte Drehmoment bei diesem Versorgungsdruck"};
    static const Words french{
        {"Données de la vanne et colonnes propres de la liste",
         "Conditions de service et coefficients de sécurité appliqués", "Sélection de l'actionneur",
         "Couples aux points contrôlés de la course", "Vérifications complémentaires", "Avertissements",
         "Courbe de couple sur la course", "Remarques", "Non dimensionné", "Conforme", "Non conforme", "Non vérifié",
         "Actionneur sélectionné", "Jeu de ressorts", "Position de sécurité", "Plus petite réserve de couple",
         "%s de plus"},
        "Repère de l'appareil",
        "Date d'émission",
        "Page %s sur %s",
        {"Désignation du projet", "Client final", "Numéro de document", "Indice de révision", "Ingénieur responsable"},
        {"Point de contrôle", "Couple requis par la vanne [Nm]", "Couple fourni par l'actionneur [Nm]", "Réserve [%]"},
        {"Décollement", "Course (air)", "Fin (air)", "Décollement (ressort)", "Course (ressort)", "Siège (ressort)"},
        {"Repère", "Actionneur", "Jeu de ressorts", "Réserve", "État", "Page"},
        {"Actionneur", "Jeu de ressorts", "Quantité"},
        "Dossier de fiches techniques",
        "Récapitulatif et index des repères",
        "Nomenclature des actionneurs",
        "Hypothèses et valeurs par défaut",
        "Liste",
        "Lignes par état",
        "aucun actionneur de la gamme ne fournit le couple requis à cette pression d'alimentation"};
    switch (language) {
    case SampleLanguage::English:
        break;
    case SampleLanguage::Dutch:
        return dutch;
    case SampleLanguage::German:
        return german;
    case SampleLanguage::French:
        return french;
    }
    return english;
}

const std::string kLongTag = "FV-2025-NORTH-COMPRESSOR-STATION-INLET-HEADER-ISOLATION-VALVE-000123-A/B";

} // namespace

const char* LanguageName(SampleLanguage language) {
    switch (language) {
    case SampleLanguage::English:
        break;
    case SampleLanguage::Dutch:
        return "Dutch";
    case SampleLanguage::German:
        return "German";
    case SampleLanguage::French:
        return "French";
    }
    return "English";
}

PackageFrame SampleFrame(SampleLanguage language, bool longTexts) {
    const Words& words = WordsOf(language);
    PackageFrame frame;
    frame.titles = words.titles;
    frame.tagLabel = words.tag;
    frame.dateLabel = words.date;
    frame.pageOf = words.pageOf;
    frame.title = words.title;
    frame.date = "14-03-2025";
    frame.program = "VARNOX    -    PNEUMATIC ACTUATORS    -    COMPUTERISED DATA    KAV 7.2";
    if (longTexts) {
        frame.project = {"Erweiterung der Erdgasverdichterstation Nord, Los 4: Armaturen, Antriebe und Steuerungen",
                         "Noordgas Transport B.V., Afdeling Inkoop Installaties en Onderhoudscontracten",
                         "VNX-2025-00417-DS-PKG-ACT-000123-NORTH-COMPRESSOR-STATION",
                         "C2 (nach Kommentaren des Kunden vom 12-03-2025 überarbeitet)",
                         "Dr.-Ing. Maximiliane Oberhauser-Schwarzenbach, Leitende Ingenieurin Antriebstechnik"};
        for (int i = 0; i < 7; ++i)
            frame.notes.push_back("Note " + std::to_string(i + 1) +
                                  ": all torques include the customer's safety factor of 1.25 and are valid for "
                                  "clean dry instrument air; consult the factory for sour gas or arctic service "
                                  "below -40 °C before ordering.");
        frame.place = "Varnox Engineering B.V., Industrieweg 112, 2651 BC Berkel en Rodenrijs, The Netherlands";
    } else {
        frame.project = {"North compressor station", "Noordgas", "VNX-2025-0417", "B", "M. Oberhauser"};
        frame.notes = {"All torques include the customer's safety factor.", "Instrument air, dry, 5.5 bar."};
        frame.place = "Delft";
    }
    const std::vector<std::string> values{frame.project.project, frame.project.customer, frame.project.document,
                                          frame.project.revision, frame.project.engineer};
    for (std::size_t i = 0; i < values.size(); ++i)
        frame.projectFields.push_back({words.fieldLabels[i], values[i]});
    return frame;
}

TorqueChartData SampleChart(const std::string& tag) {
    static const TorqueT range(VN_SAMPLES "/varnox-rp.kav");
    const SizingOutcome outcome = SizeSpringReturn(range, 5.5f, 45, 1.2f, 0.3f, 0.6f, 0);
    ChartInputs inputs;
    inputs.actuator = "RPS 120";
    inputs.hasPressure = true;
    inputs.pressure = 5.5f;
    inputs.mast = 120;
    TorqueChartData chart = MakeTorqueChart(outcome, inputs);
    chart.title = tag + ": " + chart.title;
    return chart;
}

TagPage EverydayPage(const std::string& tag) {
    const Words& words = WordsOf(SampleLanguage::English);
    TagPage page;
    page.tag = tag;
    page.line = 12;
    page.status = RowStatus::Ok;
    page.statusText = "ok";
    page.sized = true;
    page.valve = {{"Service", "Inlet isolation"}, {"Line", "8\"-GAS-1203-B1"}, {"Series", "BV-300 ball valve"},
                  {"Size", "DN 200 / PN 40"},     {"Torque table", "BV300"},   {"Valve type", "Ball"}};
    page.conditions = {{"Supply pressure", "5.5 bar"}, {"Valve torque", "45 Nm"},  {"Safety factor", "1.20"},
                       {"Running factor", "0.30"},     {"Seating factor", "0.60"}, {"MAST", "120 Nm"}};
    page.actuator = "RPS 120";
    page.springSet = "S5";
    page.action = "Fail Close";
    page.weakestMargin = "+22.7 %";
    page.torqueHeader = words.torqueHeader;
    const char* demands[] = {"54.0", "16.2", "32.4", "54.0", "16.2", "32.4"};
    const char* delivered[] = {"66.3", "46.9", "41.2", "71.0", "64.2", "58.3"};
    const char* margins[] = {"+22.7 %", "+189.7 %", "+27.2 %", "+31.5 %", "+296.3 %", "+79.9 %"};
    for (int i = 0; i < 6; ++i)
        page.torques.push_back({words.points[i], demands[i], delivered[i], margins[i], i == 0});
    page.checks = {{"MAST", "71.0 Nm", "120 Nm", CheckMark::Pass},
                   {"Air per cycle", "2.57 L", "", CheckMark::NotChecked},
                   {"Stroke time", "4.1 s", "3.0 s", CheckMark::Fail}};
    page.warnings = {"the stroke time is longer than the list asks"};
    page.chart = SampleChart(tag);
    return page;
}

TagPage LongestPage(SampleLanguage language) {
    const Words& words = WordsOf(language);
    TagPage page;
    page.tag = kLongTag;
    page.line = 123456;
    page.status = RowStatus::CheckFailed;
    page.statusText = "check failed: MAST 400 Nm is below the spring end torque of 1250 Nm delivered by the chosen "
                      "actuator; the stroke time of 45 s exceeds the 30 s the list asks; the air per cycle of 312 L "
                      "exceeds the 250 L the tank holds";
    page.sized = true;
    for (int i = 1; i <= 12; ++i)
        page.valve.push_back({"Customer column " + std::to_string(i) +
                                  ": P&ID reference, drawing sheet and area of the compressor inlet header",
                              "PID-NCS-0417-" + std::to_string(1000 + i) +
                                  " sheet 17 of 42, revision C, area 3 (compressor inlet), elevation +12.500 m, "
                                  "pipe rack PR-07, accessible from platform P-12 only"});
    for (const char* data :
         {"Series", "Size", "Torque table", "Valve type", "Break torque", "Run torque", "Seat torque", "Valve MAST"})
        page.valve.push_back({std::string(data) + " as the valve database names it",
                              "BV-300-FULLBORE-TRUNNION-MOUNTED-METAL-SEATED-HIGH-TEMPERATURE-EXTENDED-BONNET"});
    for (int i = 1; i <= 10; ++i)
        page.conditions.push_back({"Condition " + std::to_string(i) + " used for the sizing of this valve",
                                   "5.5 bar (minimum supply pressure at the actuator after filter regulator)"});
    page.actuator = "RPS 2400 SR-HD stainless steel version with manual override, limit switch box and solenoid valve";
    page.springSet = "S12-HD double spring set for arctic service";
    page.action = "Fail Close (spring closes on loss of air)";
    page.weakestMargin = "+1234.5 %";
    page.torqueHeader = words.torqueHeader;
    for (int i = 0; i < 6; ++i)
        page.torques.push_back({words.points[i] + " (checked on both strokes at the highest and lowest pressure)",
                                "123456.7", "234567.8", "+1234.5 %", i == 3});
    for (int i = 0; i < 7; ++i)
        page.checks.push_back({"Maximum allowable stem torque of the valve against the actuator's output",
                               "117 Nm at 8 bar supply pressure and 1250 Nm spring end torque",
                               "400 Nm (valve manufacturer's data sheet)",
                               i % 3 == 0   ? CheckMark::Pass
                               : i % 3 == 1 ? CheckMark::Fail
                                            : CheckMark::NotChecked});
    for (int i = 0; i < 30; ++i)
        page.warnings.push_back("warning " + std::to_string(i + 1) +
                                ": the supply pressure given in the list lies outside the range of the actuator's "
                                "torque table, so its torques were extrapolated from the nearest two pressures");
    page.chart = SampleChart(kLongTag);
    return page;
}

TagPage NotSizedPage(SampleLanguage language) {
    TagPage page;
    page.tag = "PV-4711";
    page.line = 7;
    page.status = RowStatus::Error;
    page.statusText = "the Series \"BV-999\" is in none of the valve databases, and the Torque column is empty, so "
                      "there is no demand to size an actuator for; give one of the two in the list";
    page.sized = false;
    page.valve = {{"Service", "Outlet"}, {"Series", "BV-999"}, {"Size", "DN 80"}};
    page.warnings = {"the Pressure column is empty: the settings' 5.5 bar was used"};
    (void)language;
    return page;
}

PackageCover SampleCover(SampleLanguage language, int lines, bool longTexts) {
    const Words& words = WordsOf(language);
    PackageCover cover;
    cover.summaryTitle = words.summary;
    cover.materialsTitle = words.materials;
    cover.assumptionsTitle = words.assumptions;
    cover.listTitle = words.list;
    cover.countsTitle = words.counts;
    cover.summaryHeader = words.summaryHeader;
    cover.materialsHeader = words.materialsHeader;
    cover.list = {{"File", longTexts ? "/home/engineer/projects/north-compressor-station/lists/revision-C2/"
                                       "armaturenliste-verdichterstation-nord-los-4-final-approved.xlsx"
                                     : "project-valves.csv"},
                  {"Date", "14-03-2025"},
                  {"Actuator range", "varnox-rp.kav"},
                  {"Valve databases", longTexts ? "ball-valves, butterfly-valves, plug-valves, "
                                                  "customer-special-trunnion-valves-2025, metal-seated-high-temperature"
                                                : "ball-valves"}};
    cover.counts = {{"Rows", std::to_string(lines)},
                    {"ok", std::to_string(lines - lines / 4)},
                    {"check failed", std::to_string(lines / 8)},
                    {"no fit", std::to_string(lines / 8)},
                    {"errors", "0"}};
    const int assumptions = longTexts ? 80 : 6;
    for (int i = 0; i < assumptions; ++i)
        cover.assumptions.push_back(
            longTexts ? "Column " + std::to_string(i + 1) +
                            " \"Versorgungsdruck minimal am Antrieb nach Filterregler\" read as the supply pressure; "
                            "where empty, the settings' default of 5.5 bar was used together with a safety factor "
                            "of 1.25 on every demand"
                      : "Pressure: the list's column \"Supply\" (bar)");
    for (int i = 0; i < lines; ++i) {
        SummaryLine line;
        line.tag = longTexts && i % 5 == 0 ? kLongTag + "-" + std::to_string(i) : "FV-" + std::to_string(1001 + i);
        line.actuator = longTexts && i % 7 == 0 ? "RPS 2400 SR-HD stainless steel version with manual override"
                                                : "RPS " + std::to_string(60 + 20 * (i % 5));
        line.springSet = "S" + std::to_string(3 + i % 6);
        line.margin = "+" + std::to_string(10 + i) + ".5 %";
        if (i % 4 == 3) {
            line.statusKind = i % 8 == 3 ? RowStatus::NoFit : RowStatus::CheckFailed;
            line.status = line.statusKind == RowStatus::NoFit ? words.noFit : "check failed: MAST";
            line.actuator = line.statusKind == RowStatus::NoFit ? "---" : line.actuator;
        } else {
            line.statusKind = RowStatus::Ok;
            line.status = "ok";
        }
        cover.lines.push_back(line);
    }
    for (int i = 0; i < (longTexts ? 40 : 5); ++i)
        cover.materials.push_back({longTexts && i % 3 == 0 ? "RPS 2400 SR-HD stainless steel version with manual "
                                                             "override, limit switch box and solenoid valve"
                                                           : "RPS " + std::to_string(60 + 20 * i),
                                   "S" + std::to_string(3 + i % 6), std::to_string(1 + i * 3)});
    return cover;
}
