#!/usr/bin/env python3
"""Times two start-up programs alternately, A then B, and prints each one's fastest wall time
(ms; on a shared machine slower runs only add other people's work) and median peak resident
memory (MiB) as tab-separated lines. Any further arguments are a command that starts both
programs, such as wine for the Windows build."""
import os
import statistics
import subprocess
import sys
import time

kodovar, holy, opakovani = sys.argv[1], sys.argv[2], int(sys.argv[3])
spoustec = sys.argv[4:]
# wine hands a Windows program WINEQT_ variables under their own names, and no QT_ ones.
prostredi = dict(os.environ, QT_QPA_PLATFORM="offscreen", WINEQT_QPA_PLATFORM="offscreen")
mereni = {"kodovar": ([], []), "holy": ([], [])}

for _ in range(opakovani):
    for nazev, program in (("kodovar", kodovar), ("holy", holy)):
        zacatek = time.perf_counter()
        proces = subprocess.Popen(spoustec + [program], env=prostredi, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        _, stav, vyuziti = os.wait4(proces.pid, 0)
        trvani = (time.perf_counter() - zacatek) * 1000
        if stav != 0:
            sys.exit(f"{program} failed with status {stav}")
        mereni[nazev][0].append(trvani)
        mereni[nazev][1].append(vyuziti.ru_maxrss / 1024)

for nazev, (casy, pameti) in mereni.items():
    print(f"{nazev}_cas\t{min(casy):.2f}")
    print(f"{nazev}_pamet\t{statistics.median(pameti):.2f}")
