#pragma once
// The fixed charts of the method views, drawn by the program in both languages alike (their
// texts are Spanish in both): the dissatisfied percentage against the mean vote, and the WBGT
// reference values of four work–rest regimes against the metabolic rate.

class QWidget;

namespace kalvora::ui {

/// PPD (0…100 %) against PMV (−3…3), from the comfort formula itself. The window names the
/// chart for screen readers in its language.
QWidget *createPpdChart(QWidget *parent);

/// Maximal reference WBGT (20…35 °C) against the metabolic rate (100…320 W/m²) for four
/// work–rest regimes of acclimatized workers, highest for the least work.
QWidget *createWbgtReferenceChart(QWidget *parent);

} // namespace kalvora::ui
