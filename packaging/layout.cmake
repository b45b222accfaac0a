# Where the installed game goes, after Debian's policy for games (relative to the prefix,
# /usr for the package). Included by the top-level CMakeLists.txt, before the sources, so
# that any target can install into these folders: a plugin the program loads from its own
# folder goes to VIRDO_INSTALL_PROGRAMDIR, beside the program.
#
#   games/virdo                             launcher: goes into the data folder, starts the game
#   lib/games/virdo/virdo                   the program itself, and its private files
#   share/games/virdo/                      the four game files, read by bare name
#   share/applications/                     menu entry
#   share/icons/hicolor/NxN/apps/           menu icon
#   share/metainfo/                         software-centre description
#   share/man/man6/, share/man/fr/man6/     manual page, in English and in French
#   share/doc/virdo/                        the guide (guide.html); copyright, changelog.gz (from
#                                           debian/, by debhelper)
set(VIRDO_INSTALL_BINDIR "games")
set(VIRDO_INSTALL_PROGRAMDIR "lib/games/virdo")
set(VIRDO_INSTALL_DATADIR "share/games/virdo")
set(VIRDO_INSTALL_MANDIR "share/man")
set(VIRDO_INSTALL_DOCDIR "share/doc/virdo")
