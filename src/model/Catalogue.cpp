#include "Catalogue.h"

#include "TFrqList.h"
#include "TMacList.h"
#include "app/Program.h"
#include "app/TALL.h"

void BuildBandTable()
{
    TFrqList &bands = FrqList();
    bands.Add(QStringLiteral(" 27 -  72MHz"), 253);
    bands.Add(QStringLiteral("136 - 150MHz"), 241);
    bands.Add(QStringLiteral("136 - 174MHz"), 242);
    bands.Add(QStringLiteral("150 - 174MHz"), 240);
    bands.Add(QStringLiteral("216 - 223MHz"), 243);
    bands.Add(QStringLiteral("350 - 370MHz"), 250);
    bands.Add(QStringLiteral("350 - 390MHz"), 251);
    bands.Add(QStringLiteral("370 - 390MHz"), 252);
    bands.Add(QStringLiteral("400 - 420MHz"), 248);
    bands.Add(QStringLiteral("400 - 470MHz"), 247);
    bands.Add(QStringLiteral("440 - 480MHz"), 249);
    bands.Add(QStringLiteral("450 - 470MHz"), 244);
    bands.Add(QStringLiteral("450 - 490MHz"), 245);
    bands.Add(QStringLiteral("470 - 650MHz"), 246);
}

void BuildModelTable()
{
    TALL &all = All();
    all.ProductName = QStringLiteral("Veltrax");

    auto uhf = std::make_unique<TMacType>(QStringLiteral("5520"),
                                          all.ProductName + QStringLiteral("(UHF)"), 16);
    uhf->SetLimits(650.0, 300.0);
    uhf->SetGapBlocks(39);
    for (const char *band :
         {"350 - 370MHz", "350 - 390MHz", "370 - 390MHz", "400 - 420MHz", "400 - 470MHz",
          "440 - 480MHz", "450 - 470MHz", "450 - 490MHz", "470 - 650MHz"})
        uhf->AddBand(QString::fromLatin1(band));
    uhf->SetDefaultBand(QStringLiteral("450 - 470MHz"));
    MacList().Add(std::move(uhf));

    auto vhf = std::make_unique<TMacType>(QStringLiteral("5510"),
                                          all.ProductName + QStringLiteral("(VHF)"), 16);
    vhf->SetLimits(300.0, 67.0);
    vhf->SetGapBlocks(39);
    for (const char *band : {"136 - 150MHz", "136 - 174MHz", "150 - 174MHz", "216 - 223MHz"})
        vhf->AddBand(QString::fromLatin1(band));
    vhf->SetDefaultBand(QStringLiteral("150 - 174MHz"));
    MacList().Add(std::move(vhf));
}

void SelectModel(const TMacType *model)
{
    if (!model)
        return;
    TALL &all = All();
    all.CurrentModel = model;
    all.ModelName = model->DisplayName;
    all.ModelCode = model->Code;
    all.ModelMaxFrequency = model->MaxFrequency;
    all.ModelMinFrequency = model->MinFrequency;
    all.ChannelCount = model->ChannelCount;
}

void ParseBandLabel(const QString &label, double *low, double *high)
{
    const qsizetype dash = label.indexOf(u'-');
    const qsizetype mhz = label.indexOf(QLatin1String("MHz"), dash < 0 ? 0 : dash);
    const QString lowText = dash < 0 ? label : label.left(dash);
    const QString highText =
        dash < 0 ? QString() : label.mid(dash + 1, mhz < 0 ? -1 : mhz - dash - 1);
    *low = lowText.trimmed().toDouble();
    *high = highText.trimmed().toDouble();
}

void ParseBandLabel()
{
    TALL &all = All();
    ParseBandLabel(all.BandLabel, &all.BandLow, &all.BandHigh);
}

void SelectBand(const QString &label)
{
    All().BandLabel = label;
    ParseBandLabel();
}
