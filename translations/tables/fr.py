# French texts for the translation filler: source text -> translation.
from fres import FE

T = {k: v[0] for k, v in FE.items()}
