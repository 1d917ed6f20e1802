#pragma once

#include <QLoggingCategory>

// What the program tells its developers, apart from what it tells the
// user: the offices (started, connected, warmed up, checked, ended, killed,
// each call that failed with the office's own words), the letters (each
// report of a letter, with its location and line) and the batch (each
// office brought up or lost, each row that failed). Silent unless switched
// on, e.g. QT_LOGGING_RULES="tessaline.*=true" or "tessaline.office=true".
Q_DECLARE_LOGGING_CATEGORY(lcOffice)
Q_DECLARE_LOGGING_CATEGORY(lcLetter)
Q_DECLARE_LOGGING_CATEGORY(lcBatch)
