// The practice program's application: start-up in its order (one running copy, the frame with its
// view and document, the caption, the code-book check) and the About command.
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

class CCorvelleDoc;
class CCorvelleView;
class CMainFrame;

namespace platform {
class SingleInstance;
}

// The view in the frame, view and document attached at their places in the frame's command routing,
// the view following the document's article and the frame its title.
void joinFrameViewAndDocument(CMainFrame& frame, CCorvelleView* view, CCorvelleDoc* document);

class CCorvelleApp : public QObject
{
    Q_OBJECT
public:
    // arguments: the process's, program path first. instanceName: what a second copy looks for
    // (tests pass a name of their own).
    explicit CCorvelleApp(const QStringList& arguments,
                          const QString& instanceName = QStringLiteral("corvelle"),
                          QObject* parent = nullptr);
    ~CCorvelleApp() override;

    // False when the program is to end at once: another copy runs, the frame could not be made, the
    // document named on the command line cannot be opened, or the user would not build the missing
    // code book.
    bool InitInstance();
    void OnAppAbout();

    CMainFrame* mainFrame() const { return m_frame.get(); }
    CCorvelleView* view() const { return m_view; }
    CCorvelleDoc* document() const { return m_document; }

private:
    bool createFrameViewAndDocument();
    void bringForward();
    void runCodeBookUpgrade();

    QStringList m_arguments;
    QString m_instanceName;
    std::unique_ptr<platform::SingleInstance> m_instance;
    std::unique_ptr<CMainFrame> m_frame;
    CCorvelleDoc* m_document = nullptr;
    CCorvelleView* m_view = nullptr;
};
