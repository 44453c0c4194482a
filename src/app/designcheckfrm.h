// The Design Check window: all five events against their pre-development rates, the mass
// balance, the warnings and the charts of the routed storm, recomputed while the engineer
// changes the inputs.
#pragma once

#include "design/designcheck.h"

#include <QPrinter>
#include <QTimer>
#include <QWidget>

#include <optional>

class QChartView;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QHBoxLayout;

namespace velmora {

struct ChartEvents;
class Dialogs;
class TVelmoraMainFrm;

class TDesignCheckFrm final : public QWidget {
    Q_OBJECT

  public:
    TDesignCheckFrm(TVelmoraMainFrm& mainForm, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TDesignCheckFrm() override;

    // Shows the window on the check of the main window's inputs and last captured tables.
    void showCheck();

    // One complete check from the main window as it stands; false when the run failed, the
    // window then showing "CHECK DATA!" and the detail.
    bool recompute();

    // The last check that succeeded; none after a failure.
    const std::optional<DesignCheck>& check() const { return check_; }

    // The Print button: the design check on landscape sheets, as vectors.
    void PrntBtnClick();

    QPrinter& printer() { return printer_; }

  signals:
    // The check was shown again (after a change of the inputs, or a new event in the
    // selector).
    void recomputed();

  private:
    void buildContent();
    void showCheckOf(const DesignCheck& check);
    // A number with `digits` decimals and the window's decimal separator.
    QString fixedText(double value, int digits) const;
    void fillEvents(const DesignCheck& check);
    void fillBalance(const DesignCheck& check);
    void fillWarnings(const DesignCheck& check);
    void showCharts();
    ChartEvents chartEvents() const;
    void showFailure(const QString& text);

    TVelmoraMainFrm& mainForm_;
    Dialogs& dialogs_;
    QStackedWidget* pages_ = nullptr;
    QLabel* verdict_ = nullptr;
    QTableWidget* events_ = nullptr;
    QTableWidget* balance_ = nullptr;
    QListWidget* warnings_ = nullptr;
    QComboBox* chartEvent_ = nullptr;
    QHBoxLayout* charts_ = nullptr;
    QChartView* flowChart_ = nullptr;
    QChartView* stageChart_ = nullptr;
    QLabel* failure_ = nullptr;
    QPushButton* PrntBtn = nullptr;
    QTimer liveUpdate_;
    QPrinter printer_;
    std::optional<DesignCheck> check_;
};

} // namespace velmora
