# Shortcut installation.
