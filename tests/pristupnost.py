"""The program as a screen reader and a keyboard-only user meet it.

Starts the program on the accessibility bus and reads every window over AT-SPI: each control a
person operates must have a name to speak, and an editable box a name other than its value.
Then walks with real key presses only: adds a settings entry from the list's context menu,
generates, selects the Draw pane's text and reads it back through the text interface.
"""

import os
import subprocess
import sys
import time

import pyatspi

PROGRAM = sys.argv[1]

OVLADACE = {"text", "entry", "password text", "combo box", "push button", "check box",
            "radio button", "spin button", "list", "list box", "tree", "tree table", "table",
            "page tab", "image"}
OKNA = {"frame", "window", "dialog", "alert"}
# Their children are the items they hold or the parts of the box, named by their own text.
CELKY = {"combo box", "list", "list box", "tree", "tree table", "table"}
# Where a name is not enough: the words a person would otherwise only get from a balloon.
POPISY = {
    "Nastavení:": "Jednotlivé hodnoty oddělujte středníkem.",
    "Akce:": "Jednotlivé hodnoty oddělujte středníkem.",
    "Hledat funkci": "V seznamu funkcí vybere první název, který začíná zadaným textem.",
}
LIMIT = 10.0

chyby = []


class Selhani(Exception):
    pass


def cekej(podminka, popis, limit=LIMIT):
    konec = time.monotonic() + limit
    while True:
        try:
            vysledek = podminka()
        except Exception:  # a window may close or rebuild under a query
            vysledek = None
        if vysledek:
            return vysledek
        if time.monotonic() > konec:
            raise Selhani("timed out waiting for " + popis)
        time.sleep(0.1)


def klavesy(*nazvy):
    subprocess.run(["xdotool", "key", "--delay", "60", *nazvy], check=True)
    time.sleep(0.3)


def pis(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)
    time.sleep(0.3)


def ukazuje_se(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def deti(acc):
    for i in range(acc.childCount):
        dite = acc.getChildAtIndex(i)
        if dite is not None:
            yield dite


def vyslovene_jmeno(acc):
    """What a screen reader says: the labels that label the control, else its own name."""
    for vztah in acc.getRelationSet():
        if vztah.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            popisky = [vztah.getTarget(i).name for i in range(vztah.getNTargets())]
            text = " ".join(p for p in popisky if p and p.strip())
            if text:
                return text
    return acc.name or ""


def hodnota_boxu(box):
    for dite in deti(box):
        if dite.getRoleName() in ("text", "entry"):
            return dite.queryText().getText(0, -1)
    return None


def popis(acc):
    """Role, name and place, and the label on its left, so a failure points at the control."""
    x, y, _, vyska = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    vlevo, nejblize = "", None
    for sourozenec in deti(acc.parent) if acc.parent is not None else ():
        if sourozenec.getRoleName() != "label" or not sourozenec.name:
            continue
        lx, ly, _, lvyska = sourozenec.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if lx < x and abs((ly + lvyska / 2) - (y + vyska / 2)) < vyska and (
                nejblize is None or lx > nejblize):
            vlevo, nejblize = sourozenec.name, lx
    text = f"{acc.getRoleName()} {acc.name!r} at {x},{y}"
    return text + (f" right of label {vlevo!r}" if vlevo else "")


def projdi(acc, nalezene, listy):
    """Checks every showing control under acc; collects the page tab lists on the way."""
    role = acc.getRoleName()
    if not ukazuje_se(acc) and role not in OKNA:
        return
    if role == "page tab list":
        listy.append(acc)
    if role in OVLADACE or (role not in OKNA and acc.getState().contains(pyatspi.STATE_FOCUSABLE)):
        jmeno = vyslovene_jmeno(acc).strip()
        if not jmeno:
            nalezene[acc.path] = "no name: " + popis(acc)
        elif role == "combo box" and jmeno == (hodnota_boxu(acc) or "").strip():
            nalezene[acc.path] = "named only by its value: " + popis(acc)
        elif jmeno in POPISY and acc.description != POPISY[jmeno]:
            nalezene[acc.path] = f"described as {acc.description!r}: " + popis(acc)
    if role in CELKY:
        return
    for dite in deti(acc):
        projdi(dite, nalezene, listy)


def zkontroluj(okno, nazev):
    """Checks the window on each page of each of its tab lists, and leaves the pages as found."""
    nalezene = {}
    if okno.getRoleName() not in OKNA:
        nalezene[okno.path] = f"announced as {okno.getRoleName()!r}, not as a window"
    videne = set()
    puvodni = []
    while True:
        listy = []
        projdi(okno, nalezene, listy)
        dalsi = None
        for lista in listy:
            karty = [k for k in deti(lista) if k.getRoleName() == "page tab"]
            for i, karta in enumerate(karty):
                if vybrana(karta):
                    if (lista.path, i) not in videne:
                        puvodni.append(karta)
                    videne.add((lista.path, i))
            for i, karta in enumerate(karty):
                if dalsi is None and (lista.path, i) not in videne:
                    dalsi = (lista.path, i, karta)
        if dalsi is None:
            break
        videne.add(dalsi[:2])
        stisknout(dalsi[2])
        cekej(lambda: vybrana(dalsi[2]), "a page to show")
    for karta in reversed(puvodni):
        stisknout(karta)
    for zprava in nalezene.values():
        chyby.append(f"{nazev}: {zprava}")


def vybrana(karta):
    # Qt marks the current tab as focused, newer versions as selected too.
    stavy = karta.getState()
    return stavy.contains(pyatspi.STATE_SELECTED) or stavy.contains(pyatspi.STATE_FOCUSED)


def stisknout(acc):
    akce = acc.queryAction()
    akce.doAction(0)
    time.sleep(0.2)


def vsechny(koren, role):
    """Every showing accessible of the role under koren."""
    for dite in deti(koren):
        if ukazuje_se(dite):
            if dite.getRoleName() == role:
                yield dite
            yield from vsechny(dite, role)


def najdi(koren, podminka, i_skryte=False):
    """The first showing accessible under koren for which podminka holds, depth first."""
    if podminka(koren):
        return koren
    role = koren.getRoleName()
    if role in CELKY or not (i_skryte or role == "application" or ukazuje_se(koren)):
        return None
    for dite in deti(koren):
        nalez = najdi(dite, podminka, i_skryte)
        if nalez is not None:
            return nalez
    return None


def okno(aplikace, nazev, role=None):
    def hledej():
        for o in deti(aplikace):
            if o.name.startswith(nazev) and role in (None, o.getRoleName()) and ukazuje_se(o):
                return o
        return None
    return cekej(hledej, f"window {nazev!r}")


def zaostreny(koren):
    # Qt reports the current page tab as focused whether its strip has the focus or not.
    return najdi(koren, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED)
                 and a.getRoleName() not in ("frame", "dialog", "application", "page tab"))


def tabulatorem(koren, podminka, popis_cile, nejvic=40):
    """Presses Tab until the focused control is the one wanted, as a blind user listens for it."""
    for _ in range(nejvic):
        cil = zaostreny(koren)
        if cil is not None and podminka(cil):
            return cil
        klavesy("Tab")
    raise Selhani(f"Tab never reached {popis_cile}")


def aktivuj(nazev):
    okna = cekej(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", nazev],
                                        capture_output=True, text=True).stdout.split(),
                 f"X window {nazev!r}")
    subprocess.run(["xdotool", "windowactivate", "--sync", okna[0]], check=True)
    time.sleep(0.3)


def zavrene(okno):
    try:
        return not ukazuje_se(okno)
    except Exception:  # the window is gone
        return True


def karta(hlavni, nazev):
    return najdi(hlavni, lambda a: a.getRoleName() == "page tab" and a.name == nazev)


def na_kartu(hlavni, nazev, klavesa):
    """Moves to a main tab with a key; if the key does not, says so and goes there regardless."""
    klavesy(klavesa)
    try:
        cekej(lambda: vybrana(karta(hlavni, nazev)), f"{klavesa} to show the {nazev} tab", 3)
    except Selhani as e:
        chyby.append(f"keyboard: {e}")
        stisknout(karta(hlavni, nazev))


def je_seznam(acc):
    return acc.getRoleName() in CELKY - {"combo box"}


def kontextova_nabidka(radek, klavesa="shift+F10"):
    """Opens the focused control's context menu and chooses its row-th command."""
    klavesy(klavesa)
    klavesy(*["Down"] * radek, "Return")


OCEKAVANA_KRESBA = "\n".join([
    "//---------------------------------------------------------",
    'draw_text_color(200,150,"Hudba",barva_1,barva_1,barva_1,barva_1,true)',
    "//---------------------------------------------------------",
    "if(vybrana_hodnota[0] == 1){",
    'draw_text_color(380,150,"ano",barva_1,barva_1,barva_1,barva_1,true)',
    "} else",
    "if(vybrana_hodnota[0] == 2){",
    'draw_text_color(380,150,"ne",barva_1,barva_1,barva_1,barva_1,true)',
    "}",
    "//---------------------------------------------------------",
])


def ohlaseni(aplikace, text):
    """A message box must come as an alert whose text a screen reader reads; Enter closes it."""
    hlaseni = okno(aplikace, "", "alert")
    texty = [a.name for a in vsechny(hlaseni, "label")]
    if text not in texty:
        chyby.append(f"message box: {text!r} is not among the texts it reads, {texty}")
    klavesy("Return")
    cekej(lambda: zavrene(hlaseni), "the message box to close")


def menu(aplikace, hlavni):
    """A wrong item count is announced, and Ctrl+PgDn in the count box leaves its value."""
    box = tabulatorem(hlavni, lambda a: a.getRoleName() == "combo box", "the item count box")
    klavesy("ctrl+a")
    pis("x")
    ohlaseni(aplikace, "''x'' is not a valid integer value.")
    klavesy("ctrl+a")
    pis("5")
    na_kartu(hlavni, "Nastavení", "ctrl+Next")
    if hodnota_boxu(box) != "5":
        chyby.append(f"keyboard: Ctrl+PgDn changed the item count to {hodnota_boxu(box)!r}")


def nastaveni(aplikace, hlavni):
    """Adds an entry, generates and reads the Draw pane back, all with the keyboard."""
    tabulatorem(hlavni, je_seznam, "the settings list")
    kontextova_nabidka(1, "Menu")
    dialog = okno(aplikace, "Kodovar - Přidat položku")
    zkontroluj(dialog, "settings entry dialog")
    # The focus starts on "Přidat"; the name field is two stops on.
    klavesy("Tab", "Tab", "ctrl+a")
    pis("Hudba")
    klavesy("shift+Tab", "shift+Tab", "Return")
    cekej(lambda: zavrene(dialog), "the entry dialog to close")

    tabulatorem(hlavni, lambda a: a.getRoleName() == "push button" and a.name == "Vygenerovat kód",
                "the generate button")
    klavesy("space")
    panel = tabulatorem(hlavni, lambda a: a.getRoleName() == "text"
                        and not a.getState().contains(pyatspi.STATE_EDITABLE), "the Draw pane")
    klavesy("ctrl+a")
    text = panel.queryText()
    obsah = text.getText(0, -1)
    if obsah != OCEKAVANA_KRESBA:
        chyby.append("keyboard: the Draw pane reads\n" + obsah + "\ninstead of\n"
                     + OCEKAVANA_KRESBA)
    if text.getNSelections() != 1 or tuple(text.getSelection(0)) != (0, len(obsah)):
        chyby.append("keyboard: Ctrl+A in the Draw pane did not select its whole text")
    kopirovat_vse(hlavni)


def kopirovat_vse(hlavni):
    """The pane's second command, past "Smazat vše" and a line, is "Kopírovat vše"; the status
    bar then reads what it copied."""
    kontextova_nabidka(2)
    ocekavana = f"Zkopírováno: Draw ({len(OCEKAVANA_KRESBA.splitlines())} řádků)"
    try:
        cekej(lambda: najdi(hlavni, lambda a: a.getRoleName() == "status bar"
                            and a.name == ocekavana), f"the status bar to read {ocekavana!r}", 3)
    except Selhani as e:
        chyby.append(f"keyboard: {e}")


def highskore(aplikace, hlavni):
    # From the Draw pane, where the inner tab strip would take Ctrl+Tab for itself.
    na_kartu(hlavni, "HighSkóre", "ctrl+Tab")
    tabulatorem(hlavni, je_seznam, "the highscore list")
    kontextova_nabidka(1)
    dialog = okno(aplikace, "Kodovar - Přidat do Highskóre")
    zkontroluj(dialog, "highscore dialog")
    # From "Přidat" to "Zrušit".
    klavesy("Tab", "Return")
    cekej(lambda: zavrene(dialog), "the highscore dialog to close")


def titulky(aplikace, hlavni):
    na_kartu(hlavni, "Titulky", "ctrl+Next")
    tabulatorem(hlavni, je_seznam, "the credits tree")

    kontextova_nabidka(2)
    ohlaseni(aplikace, "Není vytvořená žádná pozice!")

    kontextova_nabidka(1)
    dialog = okno(aplikace, "Přidat pozici")
    zkontroluj(dialog, "add position dialog")
    # From the field to "Přidat".
    klavesy("Tab", "Return")
    cekej(lambda: zavrene(dialog), "the position dialog to close")

    # The focus comes back to the tree on the new position; Space selects it.
    klavesy("space")
    kontextova_nabidka(2)
    dialog = okno(aplikace, "Přidat osobu")
    zkontroluj(dialog, "add person dialog")
    # From the field past "Přidat" to "Zrušit".
    klavesy("Tab", "Tab", "Return")
    cekej(lambda: zavrene(dialog), "the person dialog to close")

    # Back to the settings, whose panes the preview then runs.
    na_kartu(hlavni, "HighSkóre", "ctrl+Prior")
    na_kartu(hlavni, "Nastavení", "ctrl+shift+Tab")


UDALOSTI_ZALOZEK = {"Menu": ["Create", "Step", "Draw"], "Nastavení": ["Create", "Step", "Draw"],
                    "HighSkóre": ["Draw"], "Titulky": ["Create", "Alarm[0]", "Draw"]}


def nacteni(aplikace, hlavni):
    """Ctrl+O opens the read-back dialog of the active tab; Tab reaches each box by its event."""
    klavesy("ctrl+o")
    dialog = okno(aplikace, "Kodovar - Načíst ze skriptu: ")
    zkontroluj(dialog, "read-back dialog")
    zalozka = dialog.name.split(": ", 1)[1]
    for udalost in UDALOSTI_ZALOZEK[zalozka]:
        tabulatorem(dialog, lambda a, u=udalost: a.getRoleName() == "text" and a.name == u,
                    f"the {udalost} box")
    tabulatorem(dialog, lambda a: a.getRoleName() == "push button" and a.name == "Zrušit",
                "the Zrušit button")
    klavesy("space")
    cekej(lambda: zavrene(dialog), "the read-back dialog to close")


def o_programu(aplikace):
    # Alt alone enters the menu bar on "Soubor"; "O Programu" heads the third menu.
    klavesy("alt")
    klavesy("Right", "Right", "Down", "Return")
    dialog = okno(aplikace, "O Programu")
    zkontroluj(dialog, "About dialog")
    klavesy("Escape")
    cekej(lambda: zavrene(dialog), "the About dialog to close")


def nahled(aplikace):
    klavesy("F5")
    okno_nahledu = okno(aplikace, "Náhled")
    zkontroluj(okno_nahledu, "preview window")
    tlacitko = tabulatorem(okno_nahledu, lambda a: a.getRoleName() == "push button"
                           and a.name == "Pozastavit", "the preview's Pozastavit button")
    klavesy("space")
    cekej(lambda: tlacitko.name == "Pokračovat", "Space on Pozastavit to pause the preview", 3)


def po_klavesach(aplikace, hlavni):
    """Each step starts where the one before left the program, so a failed one ends the walk."""
    menu(aplikace, hlavni)
    nastaveni(aplikace, hlavni)
    highskore(aplikace, hlavni)
    titulky(aplikace, hlavni)
    nacteni(aplikace, hlavni)
    o_programu(aplikace)
    nahled(aplikace)


def hlavni_okno(hlavni):
    # Both font rows shown, so their fields are read too.
    for nazev in ("Pozice font", "Osoby font"):
        spinac = najdi(hlavni, lambda a: a.getRoleName() == "check box" and a.name == nazev,
                       i_skryte=True)
        if not spinac.getState().contains(pyatspi.STATE_CHECKED):
            stisknout(spinac)
    zkontroluj(hlavni, "main window")


def main():
    prostredi = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                     QT_QPA_PLATFORM="xcb")
    sbernice = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately",
                                 "--a11y=1"])
    program = None
    stav = None
    try:
        time.sleep(0.5)
        program = subprocess.Popen([PROGRAM], env=prostredi)
        plocha = pyatspi.Registry.getDesktop(0)
        aplikace = cekej(lambda: next((a for a in deti(plocha) if a.name == "Kodovar"), None),
                         "the program on the accessibility bus", 30)
        hlavni = okno(aplikace, "Kodovar")
        aktivuj("^Kodovar$")
        try:
            po_klavesach(aplikace, hlavni)
        except Selhani as e:
            fokus = zaostreny(aplikace)
            chyby.append(f"keyboard: {e}; the focus is on "
                         + (popis(fokus) if fokus is not None else "nothing"))
        hlavni_okno(hlavni)
        konec = najdi(hlavni, lambda a: a.getRoleName() == "menu item" and a.name == "Konec",
                      i_skryte=True)
        konec.queryAction().doAction(0)
        stav = program.wait(LIMIT)
    except (Selhani, subprocess.TimeoutExpired) as e:
        chyby.append(str(e))
    finally:
        if program is not None and program.poll() is None:
            program.kill()
            program.wait()
        sbernice.terminate()
        sbernice.wait(LIMIT)

    if stav not in (None, 0):
        chyby.append(f"the program ended with status {stav}")
    for chyba in chyby:
        print(chyba)
    print(f"{len(chyby)} faults" if chyby else "every control is named; the keyboard walk read "
          "the Draw pane back")
    return 1 if chyby else 0


sys.exit(main())
