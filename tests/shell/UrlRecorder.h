#pragma once
#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <functional>

// Stands in for the desktop's browser: every address handed to QDesktopServices::openUrl is
// recorded here, fully encoded, instead of being opened.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    explicit UrlRecorder(QObject *parent = nullptr) : QObject(parent) {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "handle");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "handle");
    }
    ~UrlRecorder() override {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    QList<QUrl> urls;
    std::function<void(const QUrl &)> onOpen;

    QStringList addresses() const {
        QStringList list;
        for (const QUrl &url : urls)
            list << url.toString(QUrl::FullyEncoded);
        return list;
    }

public slots:
    void handle(const QUrl &url) {
        urls << url;
        if (onOpen)
            onOpen(url);
    }
};
