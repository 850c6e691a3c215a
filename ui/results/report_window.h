#pragma once
// The parameters report: the inputs as typed, the parameters common to the methods and the
// heat-balance terms of the sweat-rate, heat-stress, PMV and IREQ methods. Captions and enabled
// states of the inputs mirror the input form; blocks of methods not ticked are greyed and empty.
// It reads once, when it loads, and can be printed.

#include "ui/shell/loads_on_open.h"

#include <QWidget>

class QGridLayout;
class QLabel;

namespace kalvora::ui {

class AppState;
class ValueArea;
class ViewPictureRow;
class Windows;
struct ReportBlock;
struct ReportRow;

class ParametersReport : public QWidget, public LoadsOnOpen
{
    Q_OBJECT
public:
    ParametersReport(AppState &state, Windows &windows, QWidget *parent = nullptr);
    /// Mirrors the input form and writes every value, once.
    void load() override;

private:
    QWidget *createInputBlock();
    QWidget *createCommonBlock();
    QWidget *createMethodBlock(const ReportBlock &block);
    /// Caption label, value area and unit label on one row (no area or unit for a null name).
    void addRow(QGridLayout *grid, int row, const QString &caption, const QString &text,
        const QString &area, const QString &unit, const QString &unitText);

    void mirrorInputForm();
    void fillInputs();
    void fillCommon();
    void fillMethods();
    /// The text of a method block's row, from the record; empties the unit label of an
    /// unlimited exposure.
    QString rowText(const ReportBlock &block, const ReportRow &row) const;

    QLabel *label(const QString &name) const;
    ValueArea *area(const QString &name) const;

    AppState &m_state;
    Windows &m_windows;
    ViewPictureRow *m_pictures = nullptr;
};

} // namespace kalvora::ui
