# Spanish texts for the translation filler: source text -> translation.
from fres import FE

T = {k: v[1] for k, v in FE.items()}
