#!/usr/bin/env python3
"""Runs the bench programs of build-bench and prints the table of medians.

The processor time of each launch is printed beside its wall-clock time: on a machine
shared with other work, it is the steadier of the two.

Start-up and peak memory: the game's own main() (bench_demarrage) and the bare window
(barewindow), launched in turn, one after the other, the same number of times, on the same
display. The clock starts just before the process is spawned; the probe linked into both
prints the monotonic clock once the first frame is painted. The peak memory is the
process's maximum resident set, read by wait4 when it ends, 300 ms after its first frame.
"""

import os
import statistics
import subprocess
import sys
import tempfile
import time

build, jeu, sortie = sys.argv[1], sys.argv[2], sys.argv[3]
RUNS = int(os.environ.get("BENCH_RUNS", "15"))
env_x = dict(os.environ, QT_QPA_PLATFORM="xcb", BENCH_ATTENTE_MS="300")
env_off = dict(os.environ, QT_QPA_PLATFORM="offscreen")


def lancer(programme, env):
    """Spawns the program in the game folder: (ms to the first frame, peak RSS in MiB,
    processor time of the whole process in ms, user and system)."""
    with tempfile.TemporaryFile() as out:
        os.chdir(jeu)
        t0 = time.monotonic_ns()
        pid = os.posix_spawn(programme, [programme], env,
                             file_actions=[(os.POSIX_SPAWN_DUP2, out.fileno(), 1)])
        _, statut, usage = os.wait4(pid, 0)
        out.seek(0)
        lignes = dict(l.split() for l in out.read().decode().splitlines() if l.strip())
    if statut != 0 or "premiere-image" not in lignes:
        sys.exit(f"{programme} : pas de première image (statut {statut})")
    return ((int(lignes["premiere-image"]) - t0) / 1e6, usage.ru_maxrss / 1024,
            (usage.ru_utime + usage.ru_stime) * 1000)


def demarrages():
    virdo, nue = os.path.join(build, "bench_demarrage"), os.path.join(build, "barewindow")
    for _ in range(2):  # warm-up: libraries and fonts in the page cache for both
        lancer(virdo, env_x), lancer(nue, env_x)
    mesures = {"virdo": [], "nue": []}
    for _ in range(RUNS):
        mesures["virdo"].append(lancer(virdo, env_x))
        mesures["nue"].append(lancer(nue, env_x))
    return mesures


def executer(args, env):
    r = subprocess.run(args, env=env, cwd=jeu, capture_output=True, text=True)
    if r.returncode != 0:
        sys.exit(f"{args[0]} : échec\n{r.stderr}")
    return r.stdout.splitlines()


def clics():
    res = {"clic-joueur": ([], []), "clic-ordinateur": ([], [])}
    for _ in range(3):
        for ligne in executer([os.path.join(build, "bench_clics"), "400"], env_off):
            nom, traitement, affichage = ligne.split()
            res[nom][0].append(float(traitement))
            res[nom][1].append(float(affichage))
    return res


def fins():
    res = {"premiere": [], "suivante": []}
    for _ in range(max(RUNS, 10)):
        for ligne in executer([os.path.join(build, "bench_finpartie"), "4"], env_x):
            _, quand, clic, image, son, total = ligne.split()
            res[quand].append(tuple(float(x) for x in (clic, image, son, total)))
    return res


def med(valeurs):
    return statistics.median(valeurs)


def ok(valide):
    return "atteinte" if valide else "**manquée**"


d = demarrages()
c = clics()
f = fins()

tv, tn = med([m[0] for m in d["virdo"]]), med([m[0] for m in d["nue"]])
mv, mn = med([m[1] for m in d["virdo"]]), med([m[1] for m in d["nue"]])
cv, cn = med([m[2] for m in d["virdo"]]), med([m[2] for m in d["nue"]])
lignes = [
    "| Mesure (médianes) | VIRDO | Fenêtre nue | Rapport | Cible | |",
    "|---|---:|---:|---:|---|---|",
    f"| Démarrage jusqu'à la première image ({RUNS} lancements chacun) | {tv:.1f} ms | {tn:.1f} ms | {tv / tn:.2f} | ≤ 1,15 | {ok(tv / tn <= 1.15)} |",
    f"| … temps processeur de ces lancements (utilisateur + système) | {cv:.0f} ms | {cn:.0f} ms | {cv / cn:.2f} | | |",
    f"| Mémoire de pointe (VmHWM) | {mv:.1f} Mio | {mn:.1f} Mio | {mv / mn:.2f} | ≤ 1,15 | {ok(mv / mn <= 1.15)} |",
]
for nom, titre in (("clic-joueur", "Clic sur Envoi, tour du joueur"), ("clic-ordinateur", "Clic sur Envoi, tour de l'ordinateur")):
    traitement, affichage = med(c[nom][0]), med(c[nom][1])
    lignes.append(f"| {titre} (3 × 400 tours) : traitement du clic | {traitement:.3f} ms | | | < 1 ms | {ok(traitement < 1)} |")
    lignes.append(f"| … le même clic avec le réaffichage de la fenêtre | {affichage:.3f} ms | | | | |")
for quand, titre in (("premiere", "Fin de partie, la première du processus"), ("suivante", "Fin de partie, les suivantes")):
    clic, image, son, total = (med([m[i] for m in f[quand]]) for i in range(4))
    lignes.append(f"| {titre} ({len(f[quand])}) : clic {clic:.1f}, image {image:.1f}, son {son:.1f} | {total:.1f} ms | | | < 30 ms | {ok(total < 30)} |")

charge = open("/proc/loadavg").read().split()[:3]
lignes.append("")
lignes.append(f"Machine : {os.cpu_count()} cœurs, charge moyenne {' / '.join(charge)} (1, 5, 15 min) à la fin des mesures.")
tableau = "\n".join(lignes)
print(tableau)
with open(sortie, "w") as fichier:
    fichier.write(tableau + "\n")
