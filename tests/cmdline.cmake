# The real program's command line: what it refuses, and two keyboards with profiles of their own
# playing two synthesizers (Xvfb, xdotool, a JACK server of the test's own).
ondrel_add_e2e_test(tst_e2e_cmdline LABELS mainwindow)
