#pragma once

class QWidget;

// Positions and sizes of controls in twips, as the program computes them.
// The exact twip values are remembered on the widget so that reading them back
// gives what was set, not a value rounded through pixels; once the widget is
// resized by other means (automatic sizing), its pixel size counts.
int leftTwips(const QWidget *widget);
int topTwips(const QWidget *widget);
int widthTwips(const QWidget *widget);
int heightTwips(const QWidget *widget);
void setLeftTwips(QWidget *widget, int twips);
void setTopTwips(QWidget *widget, int twips);
void setWidthTwips(QWidget *widget, int twips);
void setHeightTwips(QWidget *widget, int twips);
void setGeometryTwips(QWidget *widget, int left, int top, int width, int height);
