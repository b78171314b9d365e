#pragma once

#include "codeplug/CodeplugImage.h"
#include "controller/ControllerStatus.h"
#include "controller/Preferences.h"
#include "controller/WorkQueue.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

namespace nerka {

// Lists decoded on the thread that obtained an image, published together by
// applyDecodedImage on the main thread.
struct DecodedImage {
    // Filled by the record decoders as they join.
};

// The one controller of the program. It owns the connection, the codeplug
// image, the record lists decoded from it, the set of changed regions, status,
// progress, the activity log and the last error, and offers every user
// operation. Observable fields are assigned on the main thread only and each
// assignment emits its NOTIFY signal. Device I/O runs on the serial work queue.
class RadioController : public QObject {
    Q_OBJECT
    Q_PROPERTY(nerka::ControllerStatus status READ status NOTIFY statusChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QStringList log READ log NOTIFY logChanged)
    Q_PROPERTY(QString lastError READ lastErrorText NOTIFY lastErrorChanged)
    Q_PROPERTY(QUrl documentURL READ documentURLValue NOTIFY documentURLChanged)

public:
    using Status = ControllerStatus;

    static constexpr const char* kQueueLabel = "org.nerka.radio.serial";

    // `settings` is the preference store (not owned); null means the
    // platform's per-user store.
    explicit RadioController(QSettings* settings = nullptr, QObject* parent = nullptr);
    ~RadioController() override;

    // ---- observable state (main thread) ----
    [[nodiscard]] const Status& status() const { return m_status; }
    [[nodiscard]] double progress() const { return m_progress; }
    [[nodiscard]] const QStringList& log() const { return m_log; }
    [[nodiscard]] const std::optional<QString>& lastError() const { return m_lastError; }
    [[nodiscard]] QString lastErrorText() const { return m_lastError.value_or(QString()); }
    [[nodiscard]] const std::optional<CodeplugImage>& image() const { return m_image; }
    [[nodiscard]] const std::optional<QUrl>& documentURL() const { return m_documentURL; }
    [[nodiscard]] QUrl documentURLValue() const { return m_documentURL.value_or(QUrl()); }
    [[nodiscard]] const RegionSet& dirtyRegions() const { return m_dirtyRegions; }

    [[nodiscard]] Preferences& preferences() { return m_preferences; }
    [[nodiscard]] WorkQueue& queue() { return *m_queue; }

    // The interface may reset the last error after showing it; the controller
    // itself never clears it.
    void clearLastError();

    // ---- reporting steps (any thread) ----
    // Appends "• " + message. On the main thread at once; from elsewhere posted.
    void log(const QString& message);
    // Posts: lastError = message, then log("Error: " + message). Status and
    // progress stay as they are.
    void reportError(const QString& message);
    // Posts: lastError = description, log("Error: " + description),
    // status = `status`, progress = 0.
    void reportFailure(const QString& description, const Status& status);
    // Post the assignment to the main thread.
    void setStatus(const Status& status);
    void setProgress(double fraction);

    // Decodes the record lists of an image where it is called (the work queue
    // after a read, the main thread after a file open).
    [[nodiscard]] static DecodedImage decodeImage(const CodeplugImage& image);
    // Main thread only: publishes the image and every list decoded from it, in
    // a fixed order, and empties dirtyRegions.
    void applyDecodedImage(const CodeplugImage& image, const DecodedImage& decoded);

    // Runs `fn` on the main thread after everything posted before it. Safe from
    // any thread; dropped when the controller is gone.
    void postToMain(std::function<void()> fn);
    // Runs `task` on the serial work queue.
    void postToQueue(std::function<void()> task);
    [[nodiscard]] bool onMainThread() const;

Q_SIGNALS:
    void statusChanged();
    void progressChanged();
    void logChanged();
    void lineLogged(const QString& line);
    void lastErrorChanged();
    void imageChanged();
    void documentURLChanged();
    void dirtyRegionsChanged();

protected:
    // ---- main-thread assignments of observable fields ----
    void assignStatus(const Status& status);
    void assignProgress(double fraction);
    void assignLastError(const std::optional<QString>& text);
    void assignImage(const std::optional<CodeplugImage>& image);
    void assignDocumentURL(const std::optional<QUrl>& url);
    void assignDirtyRegions(const RegionSet& regions);
    void appendLogLine(const QString& message);

    // Resets what a disconnect by the user resets, then logs "Verbindung getrennt.".
    void resetAfterDisconnect();

private:
    Preferences m_preferences;

    Status m_status = Status::disconnected();
    double m_progress = 0.0;
    QStringList m_log;
    std::optional<QString> m_lastError;
    std::optional<CodeplugImage> m_image;
    std::optional<QUrl> m_documentURL;
    RegionSet m_dirtyRegions;

    // Last member: destroyed first, so no task runs against a half-destroyed controller.
    std::unique_ptr<WorkQueue> m_queue;
};

} // namespace nerka
