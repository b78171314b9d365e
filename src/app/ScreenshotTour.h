#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <functional>

namespace nerka {

class MainWindow;
class RadioController;

// Saves a picture of every section of the window into a folder, for the user
// guide and the package's screenshots: once the demo radio is connected and
// its codeplug read, it imports a few DMR users so that screen is not empty,
// sizes the window, shows each sidebar section and the device settings, and
// saves each as <folder>/<name>.png. Ends the program with 0 when every
// picture is saved, else with 1 and the reason on stderr.
class ScreenshotTour : public QObject {
    Q_OBJECT
public:
    ScreenshotTour(RadioController& radio, MainWindow& window, QString folder,
                   QObject* parent = nullptr);

    void start();

private:
    // Polls until `ready` holds, then runs `next`; gives up after the time
    // limit of the whole tour.
    void when(const QString& waitingFor, std::function<bool()> ready, std::function<void()> next);
    void importUsers();
    void takePictures();
    // Saves the window-modal sheet open now as `name`, then closes it.
    bool saveSheet(const QString& name);
    bool save(QWidget* widget, const QString& name);
    void fail(const QString& reason);

    RadioController& m_radio;
    MainWindow& m_window;
    QString m_folder;
    QTemporaryDir m_work;
    QElapsedTimer m_elapsed;
};

} // namespace nerka
