#pragma once

#include <QString>

// A word count as the Word Maintenance window shows it: digits in groups of
// three separated by commas, no leading zeros ("81,458"); zero shows "0".
QString formatWordCount(qint64 count);
