#include "Logging.h"

// Only critical messages (none are sent) pass by default: the categories
// stay silent until a rule switches them on.
Q_LOGGING_CATEGORY(lcOffice, "tessaline.office", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcLetter, "tessaline.letter", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcBatch, "tessaline.batch", QtCriticalMsg)
