#pragma once

class QCoreApplication;
class QTranslator;

namespace quillo {

// Qt's own texts (the buttons of a question, the labels and tooltips of the
// save dialog) in Italian, whatever language the system speaks, since the
// program speaks nothing else. The translator belongs to the application;
// deleting it takes the translations back. Null when Qt's Italian
// translations are not installed: the standard texts then stay English.
QTranslator* installItalianTranslations(QCoreApplication& app);

}  // namespace quillo
