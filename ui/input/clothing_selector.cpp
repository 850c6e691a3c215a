#include "clothing_selector.h"

#include "ui/shell/app_state.h"
#include "ui/shell/caption.h"
#include "ui/shell/control_name.h"
#include "ui/shell/links.h"
#include "ui/shell/picture_button.h"
#include "ui/shell/pictures.h"
#include "ui/shell/window_id.h"
#include "ui/shell/windows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <limits>

namespace kalvora::ui {

namespace {

enum class Text { Title, Label5, Label2, Label1, Picture1, Salir };

Caption caption(Text text)
{
    switch (text) {
    case Text::Title:
        return { "Aislamiento del vestido (clo)", "Thermal insulation (clo)" };
    case Text::Label5:
        return { "VALORES DE AISLAMIENTO TERMICO DEL VESTIDO",
            "THERMAL INSULATION OF CLOTHING ENSEMBLES" };
    case Text::Label2:
        return { "CONJUNTO DE VESTIDO UTILIZADO", "DAILY WEAR CLOTHING" };
    case Text::Label1:
        return { "Aislamiento seleccionado (clo):", "Selected insulation (clo):" };
    case Text::Picture1:
        return { "Ayuda sobre el aislamiento de la ropa", "Help on clothing insulation" };
    case Text::Salir:
        return { "Aceptar y volver al formulario", "Accept and return to the form" };
    }
    return { "", "" };
}

/// One ensemble: the row's name, its insulation in clo and in m²·K/W as shown (the same texts in
/// both languages), and its description.
struct Ensemble
{
    const char *name;
    const char *clo;
    const char *si;
    Caption description;
};

// Descriptions byte for byte as the table was published, spellings included.
constexpr Ensemble kEnsembles[] = {
    { "I03", "0.30", "0.050",
        { "Eslip, camiseta, calcetines ligeros, sandalias.",
            "Panties, T-shirt, shorts, light socks, sandals." } },
    { "I045", "0.45", "0.070",
        { "Eslip, ropa ligera con mangas, sandalias.",
            "Panties, petticoat, stockings, light dress with sleeves, sandals." } },
    { "I05", "0.50", "0.080",
        { "Calzoncillos, camisa de manga corta, pantalón ligero, calcetines finos, zapatos.",
            "Underpans, shirt with short sleeves, light trousers, light socks, shoes." } },
    { "I055", "0.55", "0.085",
        { "Eslip, medias, camisa de manga corta, falda, sandalias.",
            "Panties, stockings, shirt with short sleeves, skirt, sandals." } },
    { "I06", "0.60", "0.095",
        { "Calzoncillos, camisa, pantalón ligero, calcetines y zapatos.",
            "Underpants, shirt, light-weight trousers, socks, shoes." } },
    { "I07", "0.70", "0.105",
        { "Eslip, medias, vestido, zapatos.", "Panties, petticoat, stockigns, dress, shoes." } },
    { "I070", "0.70", "0.110",
        { "Ropa interior, camisa, pantalón, calcetines y zapatos.",
            "Underwear, shirt, trousers, socks, shoes." } },
    { "I075", "0.75", "0.115",
        { "Ropa interior, pull y pantalón, calcetines altos y calzado deportivo.",
            "Underwear, track suit (sweater and trousers), long socks, runners." } },
    { "I08", "0.80", "0.120",
        { "Eslip, camisa, falda, medias tupidas, zapatos.",
            "Panties, petticoat, shirt, skirt, thick knee-socks, shoes." } },
    { "I09", "0.90", "0.140",
        { "Eslip, camisa, falda, jersey cuello de cisne, medias tupidas y zapatos.",
            "Panties, shirt, skirt, roundneck sweater, thick knee-socks, shoes." } },
    { "I1", "1.00", "0.155",
        { "Eslip, camisa, pantalón, chaqueta o americana, calcetines y zapatos.",
            "Panties, shirt, trousers, jacket, socks, shoes." } },
    { "I10", "1.00", "0.155",
        { "Eslip, medias, camisa, falda, chaleco, chaqueta.",
            "Panties, stockings, shirt, skirt, vest, jacket." } },
    { "I11", "1.10", "0.170",
        { "Eslip, medias, blusa, falda larga, chaqueta, medias.",
            "Panties, stockings, blouse, long skirt, jacket, shoes." } },
    { "I110", "1.10", "0.170",
        { "Ropa interior, camiseta de manga corta, camisa, pantalón y chaqueta.",
            "Underwear, singlet with short sleeves, shirt, trousers, jacket, socks, shoes." } },
    { "I115", "1.15", "0.180",
        { "Ropa interior, camiseta manga corta, camisa, pantalón, chaleco, chaqueta, calcetines "
          "y zapatos.",
            "Underwear, singlet with short sleeves, shirt, trousers, vest, jacket, socks, "
            "shoes." } },
    { "I130", "1.30", "0.200",
        { "Ropa interior de mangas y perneras largas, camisa, pantalón, jersey cuello de pico, "
          "chaqueta, calcetines y zapatos.",
            "Underwear sith long sleeves and legs, shirt, trousers, V-neck sweater, jacket, "
            "socks, shoes." } },
    { "I150", "1.50", "0.230",
        { "Ropa interior de mangas y perneras cortas, camisa, pantalón, chaleco, chaqueta, "
          "abrigo o gabardina, calcetines y zapatos.",
            "Underwear with short sleeves and legs, shirt, trousers, vest, jacket, coat, socks, "
            "shoes." } },
};

QLabel *heading(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

ClothingSelector::ClothingSelector(AppState &state, Windows &windows, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_windows(windows)
{
    setObjectName(formObjectName(WindowId::ClothingSelector));
    setWindowTitle(pick(caption(Text::Title), m_state.language()));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading("Label5", pick(caption(Text::Label5), m_state.language()), this), 0,
        Qt::AlignHCenter);
    layout->addLayout(createEnsembleTable());
    layout->addLayout(createSelection());

    m_aislam->setText(QString::fromStdString(m_state.input().text(model::Field::Iclo)));
}

QGridLayout *ClothingSelector::createEnsembleTable()
{
    const model::Language language = m_state.language();
    auto *grid = new QGridLayout;
    grid->addWidget(heading("Label2", pick(caption(Text::Label2), language), this), 0, 0);
    grid->addWidget(heading("Label3", QStringLiteral("clo"), this), 0, 1);
    grid->addWidget(heading("Label4", QStringLiteral("m²·K/W"), this), 0, 2);
    int row = 1;
    for (const Ensemble &ensemble : kEnsembles) {
        const QString clo = QString::fromLatin1(ensemble.clo);
        const QString texts[]
            = { pick(ensemble.description, language), clo, QString::fromLatin1(ensemble.si) };
        for (int column = 0; column < 3; ++column) {
            auto *label = new LinkLabel(controlName(ensemble.name, column), this);
            label->setText(texts[column]);
            label->setWordWrap(column == 0);
            label->setAccessibleName(texts[0]);
            label->setAccessibleDescription(QStringLiteral("%1 clo, %2 m²·K/W").arg(clo, texts[2]));
            connect(label, &LinkLabel::clicked, this, [this, clo] { m_aislam->setText(clo); });
            grid->addWidget(label, row, column);
        }
        ++row;
    }
    grid->setColumnStretch(0, 1);
    return grid;
}

QLayout *ClothingSelector::createSelection()
{
    const model::Language language = m_state.language();
    auto *label1 = new QLabel(pick(caption(Text::Label1), language), this);
    label1->setObjectName(QStringLiteral("Label1"));
    m_aislam = new QLineEdit(this);
    m_aislam->setObjectName(QStringLiteral("Aislam"));
    m_aislam->setMaxLength(std::numeric_limits<int>::max()); // any text goes back as typed
    m_aislam->setAccessibleName(label1->text());
    label1->setBuddy(m_aislam);
    auto *label6 = new QLabel(QStringLiteral("clo"), this);
    label6->setObjectName(QStringLiteral("Label6"));

    auto *help
        = new PictureButton(QStringLiteral("Picture1"), QString::fromLatin1(pictures::kHelp), this);
    help->setDescription(pick(caption(Text::Picture1), language));
    connect(help, &PictureButton::clicked, this, &ClothingSelector::onPicture1Clicked);
    auto *salir
        = new PictureButton(QStringLiteral("salir"), QString::fromLatin1(pictures::kAccept), this);
    salir->setDescription(pick(caption(Text::Salir), language));
    connect(salir, &PictureButton::clicked, this, &ClothingSelector::onSalirClicked);

    auto *row = new QHBoxLayout;
    row->addWidget(label1);
    row->addWidget(m_aislam);
    row->addWidget(label6);
    row->addStretch();
    row->addWidget(help);
    row->addWidget(salir);
    return row;
}

void ClothingSelector::onPicture1Clicked()
{
    // The only help with a document per language. Pages beyond the count keep what an earlier
    // request left in them.
    const bool english = m_state.language() == model::Language::English;
    HelpRequest request = m_state.helpRequest();
    request.npag = 2;
    request.pagina[0] = english ? "Icloe1.doc" : "Iclo1.doc";
    request.pagina[1] = english ? "Icloe2.doc" : "Iclo2.doc";
    m_state.setHelpRequest(request);
    m_windows.open(WindowId::HelpViewer);
}

void ClothingSelector::onSalirClicked()
{
    m_state.setText(model::Field::Iclo, m_aislam->text().toStdString());
    m_windows.close(WindowId::ClothingSelector);
}

} // namespace kalvora::ui
