#include "mainwin/frmAbout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "appicon/appicon.h"
#include "platform/appinfo.h"
#include "platform/gui/windowplacement.h"

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ﾃﾗｺﾀﾞｲﾔｸﾞﾗﾌ･ﾊﾞｰｼﾞｮﾝ情報"));
    setWindowIcon(applicationIcon());
    placeWindowFrame(*this, 2800, 3000, 5400, 2700);

    auto* icon = new QLabel(this);
    icon->setPixmap(applicationIcon().pixmap(32, 32));
    auto* title = new QLabel(QStringLiteral("テラコダイヤグラフ"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont(QStringLiteral("ＭＳ Ｐゴシック"), 14);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* version = new QLabel(QStringLiteral("Version ") + AppInfo::version(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* notice =
        new QLabel(QStringLiteral("長谷川式土壌貫入試験のデータ整理プログラム\n"
                                  "テラコカウンタの記録を読み込み、軟らかさ－深さ図と試験表を作成します。"),
                   this);
    notice->setObjectName(QStringLiteral("lblNotice"));
    notice->setWordWrap(true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);

    auto* heading = new QHBoxLayout;
    heading->addWidget(icon);
    auto* names = new QVBoxLayout;
    names->addWidget(title);
    names->addWidget(version);
    heading->addLayout(names, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(notice, 1);
    layout->addLayout(buttons);
}
