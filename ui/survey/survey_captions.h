#pragma once
// The survey's own texts in both languages: the survey window with its menus and table, the
// questions and messages about survey files, the report. A text with %1 takes a name or a number.

#include "ui/shell/caption.h"

namespace kalvora::ui {

enum class SurveyText {
    WindowTitle,
    ReportTitle,
    Untitled, ///< the name of a survey never saved
    // Menus and their actions.
    FileMenu,
    EditMenu,
    PointMenu,
    SurveyMenu, ///< the input form's menu
    ViewMenu,
    SortBy,
    FileOrder, ///< the survey's own order of its points
    NewSurvey,
    Open,
    OpenRecent,
    NoRecent,
    Save,
    SaveAs,
    ImportCsv,
    ExportCsv,
    Report,
    CloseWindow,
    Undo,
    Redo,
    AddPoint,
    LoadPoint,
    UpdatePoint,
    DuplicatePoint,
    RenamePoint,
    DeletePoint,
    ShowSurvey,
    ToolBar,
    // Metadata.
    MetaTitle,
    MetaSite,
    MetaAssessor,
    MetaMeasured,
    MetaNotes,
    NoDate,
    PointsTable,
    // Table headers.
    ColumnName,
    ColumnPmv,
    ColumnHsi,
    ColumnWbgt,
    ColumnSweat,
    ColumnWci,
    ColumnIreq,
    ColumnRange,
    ColumnStatus,
    // Cells.
    StatusRefused,
    StatusFault,
    PmvOutOfRange, ///< the PMV cell of a point whose inputs leave the PMV range
    PointCount, ///< %1 points
    // Point names.
    DefaultPointName, ///< Point %1
    CopyName, ///< %1 (copy)
    NewPointTitle,
    RenameTitle,
    PointName,
    LoadedIntoForm, ///< %1: the point's name
    // Undo steps.
    UndoAdd,
    UndoUpdate,
    UndoDuplicate,
    UndoRename,
    UndoDelete,
    UndoImport,
    UndoMetadata,
    // Files.
    SurveyFilter,
    CsvFilter,
    PdfFilter,
    OpenTitle,
    SaveTitle,
    ImportTitle,
    ExportTitle,
    CannotOpen, ///< %1: the file
    CannotSave,
    CannotImport,
    CannotExport,
    ImportedPoints, ///< %1 points from %2
    UnsavedTitle,
    UnsavedText, ///< %1: the survey's name
    RecoveryTitle,
    RecoveryText, ///< %1: the survey's name
    // The report.
    ReportPrint,
    ReportSavePdf,
    ReportPoints,
    ReportInputs,
    ReportResults,
    ReportMethods,
    PrintFailed,
    NoPrinter,
};

Caption surveyCaption(SurveyText text);

/// The verdict of a rating in words (0 no strain, 1 low, any other high), beside its colour.
Caption ratingVerdict(int rating);

} // namespace kalvora::ui
