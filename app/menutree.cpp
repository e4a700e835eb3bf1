#include "menutree.h"

#include "common/registry.h"
#include "common/windowmanager.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <map>

const std::vector<TopMenu>& topMenus()
{
    static const std::vector<TopMenu> menus = {
        {"Volt", "mnuvolt"},
        {"Circuiti L C R", "mnuinduttanza"},
        {"Antenne", "mnuantenne"},
        {"Linee", "mnulinee"},
        {"Capacità", "mnucapacità"},
        {"Resistenze", "mnures"},
        {"Semiconduttori", "mnutransistor"},
        {"Old Radio", "mnuantiqueradio"},
        {"Varie", "mnuvarie"},
    };
    return menus;
}

// Captions exactly as the users know them, blanks included ("L L  serie e parallelo",
// "Antenna E H " with its trailing blank).
const std::vector<MenuEntry>& menuEntries()
{
    static const std::vector<MenuEntry> entries = {
    {"mnuvolt", "", "Volt-Amp-Ohm-Watt", "mnuohm", "frmleggediohm", ShowAs::Modal},
    {"mnuvolt", "Decibel", "Decibel", "mnudb", "frmdB", ShowAs::Modal},
    {"mnuvolt", "Decibel", "dBWatt - dBmWatt", "mnudbw", "frmdBW", ShowAs::Modal},
    {"mnuvolt", "Decibel", "dBmicroVolt", "mnudbmicrovolt", "frmdBmicrovolt", ShowAs::Modal},
    {"mnuvolt", "", "Volt R.M.S.", "mnurms", "frmvolt", ShowAs::Modal},
    {"mnuvolt", "", "Duplicatori di tensione", "mnuduplicatori", "frmduplicatori", ShowAs::Modal},
    {"mnuvolt", "", "Corrente alternata", "mnucorralternata", "frmcorralternata", ShowAs::Modeless},
    {"mnuinduttanza", "Filtri > Filtri per R F", "Filtri passa alto", "mnufiltripassaalto", "frmpassaalto", ShowAs::Modeless},
    {"mnuinduttanza", "Filtri > Filtri per R F", "Filtri passa basso", "mnufiltripassabasso", "frmpassabasso", ShowAs::Modeless},
    {"mnuinduttanza", "Filtri > Filtri per R F", "Filtripassabanda", "mnufiltripassabanda", "frmpassabanda", ShowAs::Modeless},
    {"mnuinduttanza", "Filtri > Filtri per R F", "Filtro notch", "mnufiltronotchaf", "frmnotchaf", ShowAs::Modeless},
    {"mnuinduttanza", "Filtri > Filtri per B F", "Filtri passa alto/basso", "mnupassaaltobasso", "frmfiltriBF", ShowAs::Modal},
    {"mnuinduttanza", "Filtri > Filtri per B F", "Filtri notch RC", "mnufiltrinotch", "frmfiltronotch", ShowAs::Modal},
    {"mnuinduttanza", "Filtri > Filtri per B F", "Filtro notch", "mnufiltronotchbf", "frmnotchbf", ShowAs::Modeless},
    {"mnuinduttanza", "", "Sintonia", "mnuvalinduttanza", "frmvalinduttanza", ShowAs::Modeless},
    {"mnuinduttanza", "", "Reattanza", "mnureattanza", "frmreattanza", ShowAs::Modeless},
    {"mnuinduttanza", "", "Bobine per HF", "mnubobine", "frmbobine", ShowAs::Modal},
    {"mnuinduttanza", "", "Bobine VHF piatte", "mnubobinepiatte", "frmbobinepiatte", ShowAs::Modal},
    {"mnuinduttanza", "", "Bobine per UHF", "MNUBOBINEUHF", "frmbobineuhf", ShowAs::Modal},
    {"mnuinduttanza", "Toroidi", "Nuclei/Bobine Toroidali", "mnunucleitoroidali", "frmamidon", ShowAs::Modal},
    {"mnuinduttanza", "Toroidi", "Sintonia con Toroidi", "mnusintoniatoro", "frmsintoniatoro", ShowAs::Modal},
    {"mnuinduttanza", "Toroidi", "Adattatori Toroidali", "mnuadattatoroidali", "frmadattatoritoroidali", ShowAs::Modal},
    {"mnuinduttanza", "Toroidi", "Trasformatori ferrite", "mnutrasferrite", "frmtrasferroxcube", ShowAs::Modal},
    {"mnuinduttanza", "Circuiti L C", "L C in parallelo", "mnulcparallelo", "frmimpcapparallelo", ShowAs::Modal},
    {"mnuinduttanza", "Circuiti L C", "L C in serie", "mnuLCserie", "frmimpcapserie", ShowAs::Modal},
    {"mnuinduttanza", "Circuiti RLC", "L C serie e parallelo", "mnuLCserieparall", "frmLC", ShowAs::Modeless},
    {"mnuinduttanza", "Circuiti RLC", "L L  serie e parallelo", "mnuLL", "frmLL", ShowAs::Modeless},
    {"mnuinduttanza", "Circuiti RLC", "R C serie e parallelo", "mnuRC", "frmRC", ShowAs::Modal},
    {"mnuinduttanza", "Circuiti RLC", "R L serie e parallelo", "mnuRL", "frmRL", ShowAs::Modeless},
    {"mnuinduttanza", "Circuiti RLC", "R L + Capacità", "mnuRLC", "frmRLC", ShowAs::Modeless},
    {"mnuinduttanza", "Circuiti RLC", "L C R parallelo", "mnuparallLCR", "frmRLCparallelo", ShowAs::Modal},
    {"mnuinduttanza", "Circuiti RLC", "L C R serie", "mnuserieLCR", "frmRLCserie", ShowAs::Modal},
    {"mnuinduttanza", "Circuiti RLC", "R L + Resistenza", "mnuRLR", "frmRLR", ShowAs::Modal},
    {"mnuinduttanza", "Circuiti RLC", "C L + Resistenza", "mnuCLR", "frmCircuitiRLC", ShowAs::Modal},
    {"mnuinduttanza", "", "Adattatori L C", "mnuadattatorilc", "frmadattatoriLC", ShowAs::Modeless},
    {"mnuinduttanza", "", "Risonanza", "mnurisonanza", "frmrisonanza", ShowAs::Modeless},
    {"mnuinduttanza", "", "Tuning Range", "mnutuningrange", "frmtuningrange", ShowAs::Modal},
    {"mnuinduttanza", "", "Imped. a risonanza", "mnuimprisonanza", "frmimprisonanza", ShowAs::Modal},
    {"mnuinduttanza", "", "Fattore Q", "mnuq", "frmfattoreQ", ShowAs::Modal},
    {"mnuantenne", "Dipoli", "Dipoli 1/2 lambda", "mnudipoli", "frmdipoli", ShowAs::Modal},
    {"mnuantenne", "Dipoli", "Dipolo multigamma", "mnuantmultigamma", "frmantmultigamma", ShowAs::Modeless},
    {"mnuantenne", "Dipoli", "Multigamma ottimizzato", "mnumultigammaott", "frmmultigammaott", ShowAs::Modeless},
    {"mnuantenne", "Dipoli", "Multigamma trapp.coax", "mnuantcoaxmulti", "frmantcoaxmulti", ShowAs::Modal},
    {"mnuantenne", "Dipoli", "Carico elementi lineari", "mnucaricolineare", "frmcaricolineare", ShowAs::Modal},
    {"mnuantenne", "Dipoli", "Trapp.elementi lineari", "mnutrappolalineare", "frmtrappolalineare", ShowAs::Modal},
    {"mnuantenne", "Dipoli", "Dipolo accorciato", "mnuanttrappolata", "frmtrappolata", ShowAs::Modeless},
    {"mnuantenne", "Dipoli", "Windom - Presa calcolata", "mnuantpresacalcolata", "frmantpresacalcolata", ShowAs::Modal},
    {"mnuantenne", "Verticali", "Verticale accorciata", "mnuverticale", "frmvertaccorciata", ShowAs::Modeless},
    {"mnuantenne", "Verticali", "Accorciata alla base", "mnuAntAcc", "frmAntAcc", ShowAs::Modal},
    {"mnuantenne", "Verticali", "Verticale collineare", "mnucollineare", "frmantcollineare", ShowAs::Modal},
    {"mnuantenne", "Verticali", "Carico lineare", "mnuelementilineari", "frmcaricolineare", ShowAs::Modal},
    {"mnuantenne", "Verticali", "Cappello capacitivo", "mnucappello", "frmcappello", ShowAs::Modal},
    {"mnuantenne", "Verticali", "Verticale 5/8 lambda", "mnuantenna58", "frmantenna58", ShowAs::Modal},
    {"mnuantenne", "Verticali > Verticale J", "con base aperta", "mnujaperta", "frmantennaJ", ShowAs::Modal},
    {"mnuantenne", "Verticali > Verticale J", "con base in corto", "mnujincorto", "frmantJincorto", ShowAs::Modal},
    {"mnuantenne", "Verticali", "G P con gamma match", "mnugpgamma", "frmgpgamma", ShowAs::Modal},
    {"mnuantenne", "Verticali", "Carico con adattamento", "mnucaricoauto", "frmcaricoauto", ShowAs::Modal},
    {"mnuantenne", "Verticali", "Capacità antenna vert", "mnucapantvert", "frmcapantvert", ShowAs::Modeless},
    {"mnuantenne", "", "LoopAntenna magnetica", "LoopAnt", "frmloop", ShowAs::Modal},
    {"mnuantenne", "Yagi", "Yagi 3 elementi", "mnuyagi3", "frmyagi3", ShowAs::Modeless},
    {"mnuantenne", "Yagi", "Yagi 5 elementi", "mnuyagi5", "frmyagi5", ShowAs::Modeless},
    {"mnuantenne", "Antenna Quad", "Quad singolo elemento", "mnuloopquadrato", "frmloopquadrato", ShowAs::Modeless},
    {"mnuantenne", "Antenna Quad", "Quad due elementi", "mnuquad2", "frmquad2elementi", ShowAs::Modal},
    {"mnuantenne", "Antenna E H ", "E H  tipo STAR", "mnuEHstar", "frmEHstar", ShowAs::Modeless},
    {"mnuantenne", "Antenna E H ", "E H  vecchio tipo", "mnuEHmultifreq", "frmEH", ShowAs::Modal},
    {"mnuantenne", "", "Antenna Moxon", "mnumoxon", "frmantennamoxon", ShowAs::Modal},
    {"mnuantenne", "", "Antenna Delta-Loop", "mnudeltaloop", "frmdeltaloop", ShowAs::Modal},
    {"mnuantenne", "", "Loop rettangolare", "mnulooprettangolare", "frmlooprettangolare", ShowAs::Modal},
    {"mnuantenne", "", "Loop Giapponese", "mnuhentenna", "frmhentenna", ShowAs::Modeless},
    {"mnuantenne", "", "Ridimensiona antenna", "mnuridimensiona", "frmridimensiona", ShowAs::Modal},
    {"mnuantenne", "", "Accopp. 2 antenne", "mnuaccantenne", "frmaccantenne", ShowAs::Modeless},
    {"mnuantenne", "", "Rete LC adattamento ant.", "mnuretelcadatt", "frmreteadattamento", ShowAs::Modeless},
    {"mnuantenne", "Resistenza Radiazione", "Dipolo", "mnuresresdipolo", "frmresradiazione", ShowAs::Modal},
    {"mnuantenne", "Resistenza Radiazione", "Stilo", "mnuresradiazstilo", "frmresradiazionestilo", ShowAs::Modal},
    {"mnuantenne", "", "Caratteristiche cavi RG", "mnucavi", "frmcaviRG", ShowAs::Modeless},
    {"mnuantenne", "Toroidi", "Nuclei toroidali", "mnunucleitoro", "frmamidon", ShowAs::Modal},
    {"mnuantenne", "Toroidi", "Adattatori toroidali", "mnuadattatoro", "frmadattatoritoroidali", ShowAs::Modal},
    {"mnuantenne", "", "Balun / Un-Un", "mnubalununun4", "frmBalunUnUn", ShowAs::Modeless},
    {"mnuantenne", "", "Gradi - Radianti", "mnuradiant", "frmradianti", ShowAs::Modal},
    {"mnuantenne", "", "Onda diretta VHF", "mnuondadiretta", "frmondadiretta", ShowAs::Modal},
    {"mnuantenne", "", "Lungh. ant. in armonica", "mnulungharmonica", "frmlungharmonica", ShowAs::Modeless},
    {"mnuantenne", "", "Potenza eff.irradiata", "mnuerp", "frmERP", ShowAs::Modal},
    {"mnuantenne", "Segnali d'antenna", "da dipolo", "mnusegnalidipolo", "frmsegnalidipolo", ShowAs::Modal},
    {"mnuantenne", "Segnali d'antenna", "da ant.generica", "mnusegnaligenerica", "frmsegnaligenerica", ShowAs::Modal},
    {"mnuantenne", "", "Elicoidale", "mnuelicoidale", "frmantelicoidale", ShowAs::Modal},
    {"mnuantenne", "Parabole", "Fuoco parabola circ.", "mnufuoco", "frmfuoco", ShowAs::Modal},
    {"mnuantenne", "Parabole", "Illuminatore barattolo", "mnubarattolo", "frmbarattolo", ShowAs::Modal},
    {"mnuantenne", "Parabole", "Guadagno parabola", "mnuparaboliche", "frmparaboliche", ShowAs::Modal},
    {"mnulinee", "", "Adattattori Imp.za", "mnuadattatori", "frmadattatori", ShowAs::Modeless},
    {"mnulinee", "", "Esempi adattatori", "mnuesempiadattatori", "frmesempiadattatori", ShowAs::Modeless},
    {"mnulinee", "", "Gamma match", "mnugammamatch", "frmgammamatch", ShowAs::Modal},
    {"mnulinee", "", "R.O.S. - Return Loss", "mnuros", "frmros", ShowAs::Modal},
    {"mnulinee", "", "Perdita nella linea", "mnuerp1", "frmERP", ShowAs::Modal},
    {"mnulinee", "Balun e Un-Un", "Balun e UnUn", "mnubaluneUnUn4", "frmBalunUnUn", ShowAs::Modeless},
    {"mnulinee", "Balun e Un-Un", "Balun Choke", "mnubalunchoke", "frmbalunchoke", ShowAs::Modeless},
    {"mnulinee", "Balun e Un-Un", "Balun 1/4 lambda", "mnubalun1quarto", "frmbaluncoax1quarto", ShowAs::Modeless},
    {"mnulinee", "Balun e Un-Un", "Balun 3/4 lambda", "mnubalun3quarti", "frmbaluncoax3quarti", ShowAs::Modeless},
    {"mnulinee", "", "Gradi Elettrici", "mnugradi", "frmgradi", ShowAs::Modal},
    {"mnulinee", "Impedenza linee", "Bifilare aperta", "mnubifilareaperta", "frmbifilareaperta", ShowAs::Modal},
    {"mnulinee", "Impedenza linee", "Bifilare con piano terra", "mnubifilareterra", "frmbifilareterra", ShowAs::Modal},
    {"mnulinee", "Impedenza linee", "Bifilare tra 2 piani terra", "mnubilanciataduepiani", "frmbilanciataduepiani", ShowAs::Modal},
    {"mnulinee", "Impedenza linee", "Bifilare schermata", "mnubilanciataschermata", "frmbilanciataschermata", ShowAs::Modal},
    {"mnulinee", "Impedenza linee", "Singola in guida chiusa", "mnuguidachiusa", "frmguidachiusa", ShowAs::Modal},
    {"mnulinee", "Impedenza linee", "Singola tra 2 piani terra", "mnusingoladuepiani", "frmsingoladuepiani", ShowAs::Modal},
    {"mnulinee", "Impedenza linee", "Linea coassiale", "mnuimpcoassiale", "frmimpedenza", ShowAs::Modal},
    {"mnulinee", "Impedenza linee", "Linea a strip paralleli", "mnustrip", "frmstrip", ShowAs::Modal},
    {"mnulinee", "Induttanza linee", "Induttanza linea unifilare", "mnuindunifilare", "frmlineaunifilare", ShowAs::Modal},
    {"mnulinee", "Induttanza linee", "Induttanza linea bifilare", "mnuindbifilare", "frmlineabifilare", ShowAs::Modal},
    {"mnulinee", "", "Lung.Elettrica", "mnulunghezza", "frmlungelettrica", ShowAs::Modal},
    {"mnucapacità", "", "Cond. serie e parallelo", "mnucondensatori", "frmcondensatori", ShowAs::Modal},
    {"mnucapacità", "", "Condensatori anti ripple", "mnuripple", "frmripple", ShowAs::Modal},
    {"mnucapacità", "", "Condens.per duplicatori", "mnucondduplica", "frmduplicatori", ShowAs::Modal},
    {"mnucapacità", "Capacità di una linea", "Capacità linea monofilare", "mnucapmonofilare", "frmlineaunifilare", ShowAs::Modal},
    {"mnucapacità", "Capacità di una linea", "Capacità linea bifilare", "mnucapbifilare", "frmlineabifilare", ShowAs::Modal},
    {"mnucapacità", "Capacità di una linea", "Capacità linea verticale", "mnucapverticale", "frmfiloverticale", ShowAs::Modal},
    {"mnucapacità", "Capacità di una linea", "Capacità linea coassiale", "mnucapcoassiale", "frmimpedenza", ShowAs::Modal},
    {"mnucapacità", "", "Capacità di una bobina", "mnucapacitàbobina", "frmcapacitàbobina", ShowAs::Modal},
    {"mnucapacità", "", "Costr.condensatori", "mnucostrcondensatori", "frmcostruzionecondensatori", ShowAs::Modal},
    {"mnucapacità", "Costante di tempo", "Circuito R C", "mnucostrc", "frmcostantetemporc", ShowAs::Modal},
    {"mnucapacità", "Costante di tempo", "Circuito R L", "mnucostrl", "frmcostantetemporl", ShowAs::Modal},
    {"mnucapacità", "Costante di tempo", "Esempio pratico R C", "mnuesempiocostante", "frmesempiocostempo", ShowAs::Modal},
    {"mnures", "", "Res.  serie e parallelo", "mnuresistenze", "frmresistenze", ShowAs::Modal},
    {"mnures", "", "Partitori resistivi", "mnupartitori", "frmpartitori", ShowAs::Modal},
    {"mnures", "Reti adattam./attenuatori", "Attenuatore Imp. cost.", "mnuattimpcost", "frmattimpcost", ShowAs::Modal},
    {"mnures", "Reti adattam./attenuatori", "Rete a L", "mnuretel", "frmretiadL", ShowAs::Modeless},
    {"mnures", "Reti adattam./attenuatori", "Rete a L bilanciata", "mnuLbilanciata", "frmretiadLbilanciata", ShowAs::Modeless},
    {"mnures", "Reti adattam./attenuatori", "Rete a T e P greco", "mnureteaT", "frmretiaTePgreco", ShowAs::Modeless},
    {"mnures", "Reti adattam./attenuatori", "Rete a T e Pgreco bilanc.", "mnureteTbilanc", "frmretiaTePgrecobilanciate", ShowAs::Modeless},
    {"mnures", "Reti adattam./attenuatori", "Rete a T ponte", "mnureteTponte", "frmretiaTponte", ShowAs::Modeless},
    {"mnures", "", "Resistenza per Led", "mnuled", "frmled", ShowAs::Modal},
    {"mnures", "", "Resistenza per Zener", "mnureszener", "frmreszener", ShowAs::Modal},
    {"mnures", "", "Resistenza di un filo in BF", "mnuresistenzakm", "frmresistenzakm", ShowAs::Modal},
    {"mnures", "", "Resistenza di un filo in RF", "mnuresistenzarf", "frmresistenzarf", ShowAs::Modal},
    {"mnutransistor", "Stadi a transistor", "Da stadio oscill a amplif", "mnuoscillampl", "frmoscill_preampl", ShowAs::Modeless},
    {"mnutransistor", "Stadi a transistor", "Stadio finale QRP", "mnufinqrp", "frmminifinale_antenna", ShowAs::Modeless},
    {"mnutransistor", "Stadi a transistor", "Stadio finale di potenza", "mnufinalepot", "frmfinale_antenna", ShowAs::Modeless},
    {"mnutransistor", "Stadi a transistor", "Trasmettitore + lineare", "mnutraslineare", "frmtrasm_lineare", ShowAs::Modeless},
    {"mnutransistor", "", "Common Emitter", "mnucommonemitter", "frmpolarizztransistor", ShowAs::Modal},
    {"mnutransistor", "", "Integrati 78xx", "mnu78xx", "frm78xx", ShowAs::Modal},
    {"mnutransistor", "", "Integrati 317/337", "mnu317", "frmlm317", ShowAs::Modal},
    {"mnutransistor", "", "LM317 corrente cost", "mnu317cc", "frmlm317correntecost", ShowAs::Modal},
    {"mnuantiqueradio", "", "Trasformatori", "mnutrasformatori", "frmtrasformatori", ShowAs::Modeless},
    {"mnuantiqueradio", "", "Trasformatori uscita", "mnutrasfuscita", "frmtrasfuscita", ShowAs::Modeless},
    {"mnuantiqueradio", "", "Impedenze di filtro", "mnuimpfiltro", "frmimpedenzefiltro", ShowAs::Modeless},
    {"mnuvarie", "", "Dizionario", "mnudizionario", "frmdizionario", ShowAs::Modal},
    {"mnuvarie", "", "Frequenza/Metri", "mnufrequenzametri", "frmfrequenzametri", ShowAs::Modal},
    {"mnuvarie", "", "Gradi - Radianti", "mnuradianti", "frmradianti", ShowAs::Modal},
    {"mnuvarie", "", "Peso specifico", "mnupeso", "frmpeso", ShowAs::Modal},
    {"mnuvarie", "", "Misure inglesi", "mnumisureInglesi", "frmmisureinglesi", ShowAs::Modeless},
    {"mnuvarie", "", "Conversioni AWG", "mnuawg", "frmawg", ShowAs::Modeless},
    {"mnuvarie", "", "Effetto pelle", "mnupenetrazione", "frmpenetrazione", ShowAs::Modal},
    {"mnuvarie", "", "Prefissi moltiplicativi", "mnuprefissi", "frmprefissi", ShowAs::Modal},
    {"mnuvarie", "", "Resistività", "mnuresistività", "frmresistività", ShowAs::Modal},
    {"mnuvarie", "", "Conduttori", "mnuconduttori", "frmconduttori", ShowAs::Modeless},
    {"mnuvarie", "", "Sezione filo", "mnusezione", "frmsezione", ShowAs::Modal},
    {"mnuvarie", "Strumenti", "shunt per amp.", "mnuamperometro", "frmshunt", ShowAs::Modal},
    {"mnuvarie", "Strumenti", "estens.voltm.", "mnuvoltmetro", "frmvoltmetro", ShowAs::Modal},
    {"mnuvarie", "", "Temperatura", "mnutemperatura", "frmtemperatura", ShowAs::Modal},
    {"mnuvarie", "", "d.d.p. di Contatto", "mnucontatto", "frmddpcontatto", ShowAs::Modal},
    {"mnuvarie", "", "WW Locator", "mnucoordinate", "frmcoordinate", ShowAs::Modeless},
    };
    return entries;
}

const MenuEntry& readmeEntry()
{
    static const MenuEntry entry = {"", "", "Leggimi", "mnuinfo", "frmabaut", ShowAs::Modal};
    return entry;
}

std::optional<ShowAs> menuShowing(const QString& form)
{
    for (const MenuEntry& e : menuEntries())
        if (form == QString::fromUtf8(e.form))
            return e.shown;
    if (form == QString::fromUtf8(readmeEntry().form))
        return readmeEntry().shown;
    return std::nullopt;
}

namespace {
QAction* makeEntry(const MenuEntry& e, QObject* parent, QWidget* mainWindow)
{
    auto* action = new QAction(QString::fromUtf8(e.caption), parent);
    action->setObjectName(QString::fromUtf8(e.control));
    const QString form = QString::fromUtf8(e.form);
    if (WindowRegistry::contains(form)) {
        const ShowAs shown = e.shown;
        QObject::connect(action, &QAction::triggered, mainWindow,
                         [form, shown, mainWindow] { WindowManager::instance().open(form, shown, mainWindow); });
    } else {
        action->setEnabled(false);
        action->setToolTip(notYetAvailable);
    }
    return action;
}
} // namespace

void buildMenuBar(QMenuBar* bar, QWidget* mainWindow)
{
    for (const TopMenu& top : topMenus()) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(top.caption));
        menu->setObjectName(QString::fromUtf8(top.control));
        menu->menuAction()->setObjectName(QString::fromUtf8(top.control));
        menu->setToolTipsVisible(true);
        std::map<QString, QMenu*> submenus; // by path, so entries of one submenu gather under it
        for (const MenuEntry& e : menuEntries()) {
            if (QString::fromUtf8(e.topControl) != menu->objectName())
                continue;
            QMenu* into = menu;
            QString path;
            const QString submenuPath = QString::fromUtf8(e.submenus);
            if (!submenuPath.isEmpty()) {
                for (const QString& caption : submenuPath.split(QStringLiteral(" > "))) {
                    path += QStringLiteral("/") + caption;
                    auto it = submenus.find(path);
                    if (it == submenus.end()) {
                        QMenu* sub = into->addMenu(caption);
                        sub->setToolTipsVisible(true);
                        it = submenus.emplace(path, sub).first;
                    }
                    into = it->second;
                }
            }
            into->addAction(makeEntry(e, into, mainWindow));
        }
    }
    bar->addAction(makeEntry(readmeEntry(), bar, mainWindow));
}
