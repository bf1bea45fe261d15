#include "BolumErisimi.h"

#include "BolumGorunumu.h"
#include "designer/TasarimModeli.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <map>

namespace {

class BolumErisimi;

// One design object: not a widget, so an interface of its own.
class NesneErisimi : public QAccessibleInterface {
public:
    NesneErisimi(BolumErisimi *ust, BolumGorunumu *bolum, int sira)
        : ust_(ust), bolum_(bolum), sira_(sira) {}
    bool isValid() const override {
        return bolum_ && sira_ < bolum_->Model().Toplam() && bolum_->Model().Nesne(sira_).Visible;
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        const YuzeyNesnesi &n = bolum_->Model().Nesne(sira_);
        if (t == QAccessible::Name)
            return n.Erisim_Adi();
        if (t == QAccessible::Description)
            return n.Tanim();
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = bolum_->Piksel(bolum_->Model().Nesne(sira_).Alan()).toAlignedRect();
        return QRect(bolum_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        const Liste l = bolum_ ? bolum_->Model().Nesne(sira_).liste : Liste::Etiket;
        return l == Liste::Alan || l == Liste::Etiket ? QAccessible::StaticText
                                                      : QAccessible::Graphic;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.selectable = true;
        s.selected = bolum_ && bolum_->Model().Secili(sira_);
        s.invisible = !isValid();
        return s;
    }
    int Sira() const { return sira_; }

private:
    BolumErisimi *ust_;
    QPointer<BolumGorunumu> bolum_;
    int sira_;
};

class BolumErisimi : public QAccessibleWidget {
public:
    explicit BolumErisimi(BolumGorunumu *b) : QAccessibleWidget(b, QAccessible::Pane) {}
    ~BolumErisimi() override {
        for (const auto &[sira, id] : cocuklar_)
            QAccessible::deleteAccessibleInterface(id);
    }
    BolumGorunumu *bolum() const { return static_cast<BolumGorunumu *>(widget()); }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.multiSelectable = true;
        return s;
    }

    // Visible objects first, in creation order, then the editor when it shows.
    QList<int> gorunenler() const {
        QList<int> g;
        const TasarimModeli &m = bolum()->Model();
        for (int i = 0; i < m.Toplam(); ++i)
            if (m.Nesne(i).Visible)
                g.append(i);
        return g;
    }
    int childCount() const override {
        return int(gorunenler().size()) + QAccessibleWidget::childCount();
    }
    QAccessibleInterface *child(int i) const override {
        const QList<int> g = gorunenler();
        if (i < 0)
            return nullptr;
        if (i < g.size())
            return cocuk(g[i]);
        return QAccessibleWidget::child(i - int(g.size()));
    }
    int indexOfChild(const QAccessibleInterface *c) const override {
        if (const auto *n = dynamic_cast<const NesneErisimi *>(c))
            return int(gorunenler().indexOf(n->Sira()));
        const int i = QAccessibleWidget::indexOfChild(c);
        return i < 0 ? i : i + int(gorunenler().size());
    }
    QAccessibleInterface *childAt(int x, int y) const override {
        const QPointF mm = bolum()->Mm(bolum()->mapFromGlobal(QPoint(x, y)));
        if (const auto o = bolum()->Model().Nesne_Bul(mm))
            return cocuk(*o);
        return QAccessibleWidget::childAt(x, y);
    }

    // Registered once per object; removed when it goes.
    QAccessibleInterface *cocuk(int sira) const {
        auto it = cocuklar_.find(sira);
        if (it == cocuklar_.end()) {
            auto *n = new NesneErisimi(const_cast<BolumErisimi *>(this), bolum(), sira);
            it = cocuklar_.emplace(sira, QAccessible::registerAccessibleInterface(n)).first;
        }
        return QAccessible::accessibleInterface(it->second);
    }
    void birak(int sira) {
        auto it = cocuklar_.find(sira);
        if (it == cocuklar_.end())
            return;
        QAccessible::deleteAccessibleInterface(it->second);
        cocuklar_.erase(it);
    }

private:
    mutable std::map<int, QAccessible::Id> cocuklar_;
};

QWindow *NesneErisimi::window() const { return ust_->window(); }
QAccessibleInterface *NesneErisimi::parent() const { return ust_; }

QAccessibleInterface *fabrika(const QString &sinif, QObject *o) {
    if (sinif == QLatin1String("BolumGorunumu") && o && o->isWidgetType())
        return new BolumErisimi(static_cast<BolumGorunumu *>(o));
    return nullptr;
}

BolumErisimi *erisim(BolumGorunumu *b) {
    if (!QAccessible::isActive())
        return nullptr; // nobody listens: nothing to build or tell
    return dynamic_cast<BolumErisimi *>(QAccessible::queryAccessibleInterface(b));
}

} // namespace

void Bolum_Erisimi_Kur() { QAccessible::installFactory(fabrika); }

void Bolum_Erisimi_Gorunurluk(BolumGorunumu *bolum, int sira) {
    BolumErisimi *e = erisim(bolum);
    if (!e)
        return;
    if (bolum->Model().Nesne(sira).Visible) {
        QAccessibleEvent ev(e->cocuk(sira), QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&ev);
    } else {
        QAccessibleEvent ev(e->cocuk(sira), QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&ev);
        e->birak(sira);
    }
}

void Bolum_Erisimi_Secim(BolumGorunumu *bolum) {
    if (BolumErisimi *e = erisim(bolum)) {
        QAccessibleEvent ev(e, QAccessible::SelectionWithin);
        QAccessible::updateAccessibility(&ev);
    }
}

void Bolum_Erisimi_Yer(BolumGorunumu *bolum, int sira) {
    BolumErisimi *e = erisim(bolum);
    if (!e || !bolum->Model().Nesne(sira).Visible)
        return;
    QAccessibleEvent ev(e->cocuk(sira), QAccessible::LocationChanged);
    QAccessible::updateAccessibility(&ev);
}
