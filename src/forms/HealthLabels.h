#pragma once

class QWidget;

// The move screen, the battle screen and the status page all show HP and TP with their maxima
// in four labels of the same names: yourHP, yourMaxHP, yourTP, yourMaxTP.
void fillHealthLabels(QWidget* form);
// Tells screen readers what the four labels mean.
void describeHealth(QWidget* form);
