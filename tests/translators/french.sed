s/"Uninstall Zelkova"/"Désinstaller Zelkova"/
s/"Uninstall completed"/"Désinstallation terminée"/
s/"You should delete %s manually"/"Supprimez %s à la main"/
s/CAPTION "Zelkova Setup"/CAPTION "Installation de Zelkova"/
