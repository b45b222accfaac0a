#!/usr/bin/env python3
"""Runs the bench programs of build/bench and prints the table of medians.

The processor time of each launch is printed beside its wall-clock time: on a machine
shared with other work, it is the steadier of the two.

Start-up and peak memory: the game's own main() (bench_demarrage) and the bare window with
one label (barewindow), launched in turn, one after the other, the same number of times, on
the same display. The clock starts just before the process is spawned; the probe linked into
both prints the monotonic clock once the first frame is painted, and the number of shared
objects mapped then. The peak memory is the process's maximum resident set, read by wait4
when it ends, 300 ms after its first frame.

Many games: bench_parties plays 200 games in one process and samples its resident memory,
descriptors and threads every ten games.
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
    processor time of the whole process in ms, user and system, shared objects mapped at the
    first frame)."""
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
            (usage.ru_utime + usage.ru_stime) * 1000, int(lignes["objets-partages"]))


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


# The longest name a child can paste into a text box that Qt does not limit.
NOM_LONG = 32767


def clics(*arguments, fois=3):
    res = {"clic-joueur": ([], []), "clic-ordinateur": ([], [])}
    for _ in range(fois):
        for ligne in executer([os.path.join(build, "bench_clics"), *arguments], env_off):
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


PARTIES = 200


def parties():
    """{game: (VmRSS kB, descriptors, threads)} every ten games of one process."""
    res = {}
    for ligne in executer([os.path.join(build, "bench_parties"), str(PARTIES)], env_x):
        _, partie, rss, fds, fils = ligne.split()
        res[int(partie)] = (int(rss), int(fds), int(fils))
    return res


def med(valeurs):
    return statistics.median(valeurs)


def ok(valide):
    return "atteinte" if valide else "**manquée**"


d = demarrages()
c = clics("400")
cl = clics("40", str(NOM_LONG), fois=1)
f = fins()
p = parties()

tv, tn = med([m[0] for m in d["virdo"]]), med([m[0] for m in d["nue"]])
mv, mn = med([m[1] for m in d["virdo"]]), med([m[1] for m in d["nue"]])
cv, cn = med([m[2] for m in d["virdo"]]), med([m[2] for m in d["nue"]])
ov, on = med([m[3] for m in d["virdo"]]), med([m[3] for m in d["nue"]])
lignes = [
    "| Mesure (médianes) | VIRDO | Fenêtre nue avec un texte | Rapport | Cible | |",
    "|---|---:|---:|---:|---|---|",
    f"| Démarrage jusqu'à la première image ({RUNS} lancements chacun) | {tv:.1f} ms | {tn:.1f} ms | {tv / tn:.2f} | ≤ 1,10 | {ok(tv / tn <= 1.10)} |",
    f"| … temps processeur de ces lancements (utilisateur + système) | {cv:.0f} ms | {cn:.0f} ms | {cv / cn:.2f} | | |",
    f"| Mémoire de pointe, l'accueil attendant un prénom (VmHWM) | {mv:.1f} Mio | {mn:.1f} Mio | {mv / mn:.2f} | ≤ 1,08 | {ok(mv / mn <= 1.08)} |",
    f"| Bibliothèques partagées projetées à la première image | {ov:.0f} | {on:.0f} | {ov / on:.2f} | | |",
]
for nom, titre in (("clic-joueur", "Clic sur Envoi, tour du joueur"), ("clic-ordinateur", "Clic sur Envoi, tour de l'ordinateur")):
    traitement, affichage = med(c[nom][0]), med(c[nom][1])
    lignes.append(f"| {titre} (3 × 400 tours) : traitement du clic | {traitement:.3f} ms | | | < 1 ms | {ok(traitement < 1)} |")
    lignes.append(f"| … le même clic avec le réaffichage de la fenêtre | {affichage:.3f} ms | | | | |")
pire = max(med(cl[nom][1]) for nom in cl)
lignes.append(f"| Clic sur Envoi, un prénom de {NOM_LONG} caractères de toutes les écritures collé dans la case (40 tours), réaffichage compris | {pire:.3f} ms | | | < 100 ms | {ok(pire < 100)} |")
for quand, titre, cible in (("premiere", "Fin de partie, la première du processus", 30),
                            ("suivante", "Fin de partie, les suivantes", 10)):
    clic, image, son, total = (med([m[i] for m in f[quand]]) for i in range(4))
    lignes.append(f"| {titre} ({len(f[quand])}) : clic {clic:.1f}, image {image:.1f}, son {son:.1f} | {total:.1f} ms | | | < {cible} ms | {ok(total < cible)} |")
r10, rn = p[10], p[PARTIES]
ecart = rn[0] - r10[0]
lignes.append(f"| {PARTIES} parties dans un processus : mémoire résidente (VmRSS) après la 10ᵉ → après la {PARTIES}ᵉ | {r10[0] / 1024:.1f} → {rn[0] / 1024:.1f} Mio ({ecart:+d} kio) | | | ≤ 1 Mio d'écart | {ok(ecart <= 1024)} |")
lignes.append(f"| … descripteurs de fichiers ; fils d'exécution (10ᵉ → {PARTIES}ᵉ) | {r10[1]} → {rn[1]} ; {r10[2]} → {rn[2]} | | | stables | {ok(rn[1] <= r10[1] and rn[2] <= r10[2])} |")

charge = open("/proc/loadavg").read().split()[:3]
lignes.append("")
lignes.append(f"Machine : {os.cpu_count()} cœurs, charge moyenne {' / '.join(charge)} (1, 5, 15 min) à la fin des mesures.")
tableau = "\n".join(lignes)
tableau += "\n\nMémoire résidente toutes les dix parties (kio) : " + ", ".join(f"{n} : {v[0]}" for n, v in sorted(p.items()))
print(tableau)
with open(sortie, "w") as fichier:
    fichier.write(tableau + "\n")
