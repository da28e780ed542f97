// The smallest Qt Widgets program to measure ours against (tools/measure-start builds
// it): "gradient", one full-screen window painted with a gradient, for the start-up;
// "text", a label and two buttons, so that Qt's font database counts, for the memory.
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

class GradientWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, width(), height());
        gradient.setColorAt(0, Qt::green);
        gradient.setColorAt(1, Qt::red);
        painter.fillRect(rect(), gradient);
    }
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool text = argc > 1 && QString(argv[1]) == "text";
    QWidget* window = text ? new QWidget : new GradientWindow;
    window->setWindowTitle("minimal");
    if (text) {
        auto* layout = new QHBoxLayout(window);
        layout->addWidget(new QLabel("Аппроксимация"));
        layout->addWidget(new QPushButton("Начало работы"));
        layout->addWidget(new QPushButton("Окончание работы"));
    }
    // The whole screen, as the program's windows take it, also where no window manager
    // would act on a request for full screen.
    window->setGeometry(QApplication::primaryScreen()->geometry());
    window->show();
    return application.exec();
}
