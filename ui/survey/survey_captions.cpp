#include "survey_captions.h"

namespace kalvora::ui {

Caption surveyCaption(SurveyText text)
{
    switch (text) {
    case SurveyText::WindowTitle:
        return { "Campaña de mediciones", "Survey" };
    case SurveyText::ReportTitle:
        return { "Informe de la campaña", "Survey report" };
    case SurveyText::Untitled:
        return { "Sin título", "Untitled" };
    case SurveyText::FileMenu:
        return { "&Archivo", "&File" };
    case SurveyText::EditMenu:
        return { "&Editar", "&Edit" };
    case SurveyText::PointMenu:
        return { "&Punto", "&Point" };
    case SurveyText::SurveyMenu:
        return { "&Campaña", "&Survey" };
    case SurveyText::ViewMenu:
        return { "&Ver", "&View" };
    case SurveyText::SortBy:
        return { "&Ordenar por", "&Sort by" };
    case SurveyText::FileOrder:
        return { "el orden de la campaña", "the survey's order" };
    case SurveyText::NewSurvey:
        return { "&Nueva campaña", "&New survey" };
    case SurveyText::Open:
        return { "&Abrir…", "&Open…" };
    case SurveyText::OpenRecent:
        return { "Abrir &reciente", "Open &recent" };
    case SurveyText::NoRecent:
        return { "(ninguna)", "(none)" };
    case SurveyText::Save:
        return { "&Guardar", "&Save" };
    case SurveyText::SaveAs:
        return { "Guardar &como…", "Save &as…" };
    case SurveyText::ImportCsv:
        return { "&Importar puntos de un CSV…", "&Import points from CSV…" };
    case SurveyText::ExportCsv:
        return { "&Exportar los resultados a CSV…", "&Export the results as CSV…" };
    case SurveyText::Report:
        return { "&Informe…", "&Report…" };
    case SurveyText::CloseWindow:
        return { "&Cerrar la ventana", "&Close the window" };
    case SurveyText::Undo:
        return { "&Deshacer", "&Undo" };
    case SurveyText::Redo:
        return { "&Rehacer", "&Redo" };
    case SurveyText::AddPoint:
        return { "&Añadir los valores del formulario…", "&Add the form's values…" };
    case SurveyText::LoadPoint:
        return { "&Cargar en el formulario", "&Load into the form" };
    case SurveyText::UpdatePoint:
        return { "Ac&tualizar con el formulario", "&Update from the form" };
    case SurveyText::DuplicatePoint:
        return { "D&uplicar", "D&uplicate" };
    case SurveyText::RenamePoint:
        return { "Cambiar el &nombre…", "Re&name…" };
    case SurveyText::DeletePoint:
        return { "&Eliminar", "&Delete" };
    case SurveyText::ShowSurvey:
        return { "&Ver los puntos de la campaña", "&Show the survey's points" };
    case SurveyText::ToolBar:
        return { "Barra de herramientas", "Toolbar" };
    case SurveyText::MetaTitle:
        return { "Título:", "Title:" };
    case SurveyText::MetaSite:
        return { "Lugar:", "Site:" };
    case SurveyText::MetaAssessor:
        return { "Técnico:", "Assessor:" };
    case SurveyText::MetaMeasured:
        return { "Fecha de medición:", "Measured on:" };
    case SurveyText::MetaNotes:
        return { "Notas:", "Notes:" };
    case SurveyText::NoDate:
        return { "sin fecha", "no date" };
    case SurveyText::PointsTable:
        return { "Puntos de medición", "Measurement points" };
    case SurveyText::ColumnName:
        return { "Punto", "Point" };
    case SurveyText::ColumnPmv:
        return { "IVM / PPI", "PMV / PPD" };
    case SurveyText::ColumnHsi:
        return { "ISC", "HSI" };
    case SurveyText::ColumnWbgt:
        return { "WBGT", "WBGT" };
    case SurveyText::ColumnSweat:
        return { "SWreq: DLE", "SWreq: DLE" };
    case SurveyText::ColumnWci:
        return { "WCI / tch", "WCI / tch" };
    case SurveyText::ColumnIreq:
        return { "IREQ mín / neut", "IREQ min / neut" };
    case SurveyText::ColumnRange:
        return { "Fuera de rango", "Out of range" };
    case SurveyText::ColumnStatus:
        return { "Estado", "Status" };
    case SurveyText::StatusRefused:
        return { "rechazado", "refused" };
    case SurveyText::StatusFault:
        return { "fallo", "fault" };
    case SurveyText::PmvOutOfRange:
        return { "fuera de rango", "out of range" };
    case SurveyText::PointCount:
        return { "%1 puntos", "%1 points" };
    case SurveyText::DefaultPointName:
        return { "Punto %1", "Point %1" };
    case SurveyText::CopyName:
        return { "%1 (copia)", "%1 (copy)" };
    case SurveyText::NewPointTitle:
        return { "Nuevo punto", "New point" };
    case SurveyText::RenameTitle:
        return { "Cambiar el nombre", "Rename the point" };
    case SurveyText::PointName:
        return { "Nombre del punto:", "Name of the point:" };
    case SurveyText::LoadedIntoForm:
        return { "«%1» está en el formulario: pulse CARGAR DATOS para evaluarlo.",
            "“%1” is in the form: press LOAD VALUES to evaluate it." };
    case SurveyText::UndoAdd:
        return { "añadir un punto", "add a point" };
    case SurveyText::UndoUpdate:
        return { "actualizar un punto", "update a point" };
    case SurveyText::UndoDuplicate:
        return { "duplicar un punto", "duplicate a point" };
    case SurveyText::UndoRename:
        return { "cambiar el nombre", "rename a point" };
    case SurveyText::UndoDelete:
        return { "eliminar un punto", "delete a point" };
    case SurveyText::UndoImport:
        return { "importar puntos", "import points" };
    case SurveyText::UndoMetadata:
        return { "editar los datos de la campaña", "edit the survey's details" };
    case SurveyText::SurveyFilter:
        return { "Campañas de Kalvora (*.kalvora)", "Kalvora surveys (*.kalvora)" };
    case SurveyText::CsvFilter:
        return { "Archivos CSV (*.csv)", "CSV files (*.csv)" };
    case SurveyText::PdfFilter:
        return { "Documentos PDF (*.pdf)", "PDF documents (*.pdf)" };
    case SurveyText::OpenTitle:
        return { "Abrir una campaña", "Open a survey" };
    case SurveyText::SaveTitle:
        return { "Guardar la campaña", "Save the survey" };
    case SurveyText::ImportTitle:
        return { "Importar puntos de un CSV", "Import points from CSV" };
    case SurveyText::ExportTitle:
        return { "Exportar los resultados a CSV", "Export the results as CSV" };
    case SurveyText::CannotOpen:
        return { "No se puede abrir «%1»:", "“%1” cannot be opened:" };
    case SurveyText::CannotSave:
        return { "No se puede guardar «%1»:", "“%1” cannot be saved:" };
    case SurveyText::CannotImport:
        return { "No se pueden importar los puntos de «%1»:",
            "The points of “%1” cannot be imported:" };
    case SurveyText::CannotExport:
        return { "No se puede escribir «%1»:", "“%1” cannot be written:" };
    case SurveyText::ImportedPoints:
        return { "%1 puntos importados de «%2».", "%1 points imported from “%2”." };
    case SurveyText::UnsavedTitle:
        return { "Cambios sin guardar", "Unsaved changes" };
    case SurveyText::UnsavedText:
        return { "La campaña «%1» tiene cambios sin guardar. ¿Desea guardarlos?",
            "The survey “%1” has unsaved changes. Do you want to save them?" };
    case SurveyText::RecoveryTitle:
        return { "Recuperar la campaña", "Restore the survey" };
    case SurveyText::RecoveryText:
        return { "El programa terminó sin guardar los cambios de la campaña «%1». ¿Desea "
                 "recuperarlos?",
            "The program ended without saving the changes of the survey “%1”. Do you want to "
            "restore them?" };
    case SurveyText::ReportPrint:
        return { "Imprimir…", "Print…" };
    case SurveyText::ReportSavePdf:
        return { "Guardar como PDF…", "Save as PDF…" };
    case SurveyText::ReportPoints:
        return { "Puntos de medición", "Measurement points" };
    case SurveyText::ReportInputs:
        return { "Datos de entrada", "Inputs" };
    case SurveyText::ReportResults:
        return { "Resultados", "Results" };
    case SurveyText::ReportMethods:
        return { "Métodos: ", "Methods: " };
    case SurveyText::PrintFailed:
        return { "No se ha podido imprimir el informe.", "The report could not be printed." };
    case SurveyText::NoPrinter:
        return { "No hay ninguna impresora instalada: guarde el informe como PDF.",
            "No printer is installed: save the report as PDF." };
    }
    return { "", "" };
}

Caption ratingVerdict(int rating)
{
    switch (rating) {
    case 0:
        return { "sin sobrecarga", "no strain" };
    case 1:
        return { "sobrecarga baja", "low strain" };
    default:
        return { "sobrecarga alta", "high strain" };
    }
}

} // namespace kalvora::ui
