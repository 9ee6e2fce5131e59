#pragma once

// A report-style list: rows of columns under a header, whole-row selection, one row at a time.

class QAbstractItemModel;
class QTreeView;
class QWidget;

QTreeView* VytvorSeznamRadku(QWidget* rodic, const char* jmeno, QAbstractItemModel* model);
